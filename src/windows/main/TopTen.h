#pragma once
// The end of a game against the top-10 list in the profile file: the score key of the game
// (GeKey), then its scoring (KollaScore). The main window keeps one TopTen for the run, so
// the key made at the end of a game and the place it took outlive the call.
#include "rules/scores/HighscoreStore.h"

#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QWidget;
struct Program;

namespace scores {

// What the main window needs from the scoring of a game.
struct Scored {
    bool ran = false;   // false when asked again while a scoring's boxes were still open
    int newPlace = 0;   // 1..10, or 0 when the game did not enter the list
    qint64 session = 0; // the number of the game just finished
    QString name;       // the name given for a new place
    QString logText;    // as logged, without the log's full stop
    QString message;    // the text of the announcing box
};

class TopTen {
  public:
    // Plays a sound effect by its number; the window's sound module provides it.
    using SoundCall = std::function<void(int)>;
    explicit TopTen(Program& program, SoundCall sndA = {});

    // Makes the key of the game that just ended and keeps it for KollaScore.
    QString GeKey(int total);

    // Scores the finished game: alltime, the name for a new place, the list written back,
    // the labels refreshed, the game counted in Session total, logged and announced; all it
    // stores is written in one replacement of Tarn.ini before the announcement. The play timer
    // must be stopped before, and the next game begun after (Restart). Runs once at a time: a call
    // made while its own boxes are open returns at once with `ran` false and touches nothing.
    Scored KollaScore(int total, int playSeconds, const QList<QLabel*>& labels,
                      QWidget* parent = nullptr);

    int newPlace() const { return newPlace_; }
    const QString& pendingKey() const { return pendingKey_; }

    List load() const;
    // Writes all ten places, points as whole numbers and the rest as held.
    void save(const List& list) const;

  private:
    // All of KollaScore but the announcing box.
    Scored record(qint16 points, int playSeconds, const QList<QLabel*>& labels, QWidget* parent);
    QString askName(QWidget* parent) const;

    Program& program_;
    SoundCall sndA_;
    QString pendingKey_;
    int newPlace_ = 0;
    bool scoring_ = false;
};

} // namespace scores
