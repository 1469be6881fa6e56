#pragma once
// A platform for tests: boxes answer from a script and are recorded, sounds and opened
// addresses are recorded, the clock is set by the test and random numbers come from a list.
#include "platform/Platform.h"

#include <QList>
#include <QStringList>

namespace platform {

struct RecordedBox {
    enum Kind { YesNo, Message, Input } kind;
    QString prompt;
    QString title;
    BoxIcon icon = BoxIcon::None;
    QString defaultText;
};

class ScriptedBoxes : public Boxes {
  public:
    bool askYesNo(QWidget* parent, const QString& prompt, const QString& title,
                  bool defaultNo = true) override;
    void message(QWidget* parent, const QString& text, const QString& title,
                 BoxIcon icon = BoxIcon::None) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText = {}) override;
    QString openFile(QWidget* parent, const QString& title, const QString& directory,
                     const QStringList& filters) override;

    QList<bool> yesNoAnswers; // taken from the front; an empty script answers No
    QStringList inputAnswers; // taken from the front; an empty script answers the default
    QStringList fileAnswers;  // taken from the front; an empty script cancels
    QList<RecordedBox> shown;
    struct FileDialog {
        QString title;
        QString directory;
        QStringList filters;
    };
    QList<FileDialog> fileDialogs;
};

struct PlayedSound {
    QString path;
    bool wait;
};

class ScriptedSound : public Sound {
  public:
    bool play(const QString& wavePath, bool wait) override;
    QList<PlayedSound> played;
};

class ScriptedShell : public Shell {
  public:
    bool open(const QString& addressOrPath) override;
    QStringList opened;
    bool succeed = true;
};

class ScriptedDesktop : public Desktop {
    Q_OBJECT
  public:
    QRect workArea(const QWidget* = nullptr) const override { return area; }
    QString systemName() const override { return system; }
    void change(const QRect& newArea) {
        area = newArea;
        emit displayChanged();
    }

    QRect area{0, 0, 1024, 740};
    QString system = QStringLiteral("Linux");
};

class ScriptedClock : public Clock {
  public:
    QDateTime now() const override { return current; }
    QString shortDate(const QDate& date) const override;
    QString timeText(const QTime& time) const override;
    QChar decimalSeparator() const override { return separator; }

    QDateTime current{QDate(2001, 5, 3), QTime(14, 7, 9)};
    QChar separator = QLatin1Char('.');
};

// Hands out `values` from the front; with none left it gives 0 (a die showing 1).
// Seeding is recorded only.
class ScriptedRandom : public Random {
  public:
    void seed(quint32 value) override { seeds.append(value); }
    double next() override;
    // Values that make the dice come up as the given faces 1..6.
    void queueFaces(std::initializer_list<int> faces);

    QList<double> values;
    QList<quint32> seeds;
};

// Records each message and answers it from `results` (front first; none left: sent), on the
// next turn of the event loop as the real one would; or hands it on `through` a real mail.
class ScriptedMail : public Mail {
  public:
    void send(const MailAccount& account, const MailMessage& message, QObject* receiver,
              std::function<void(const MailResult&)> done) override;

    struct Sent {
        MailAccount account;
        MailMessage message;
    };
    QList<Sent> sent;
    QList<MailResult> results;
    Mail* through = nullptr;
};

class ScriptedPlatform {
  public:
    Platform platform() { return {boxes, sound, shell, desktop, clock, random, mail}; }

    ScriptedBoxes boxes;
    ScriptedSound sound;
    ScriptedShell shell;
    ScriptedDesktop desktop;
    ScriptedClock clock;
    ScriptedRandom random;
    ScriptedMail mail;
};

} // namespace platform
