#include "windows/main/TopTen.h"

#include "core/Program.h"
#include "rules/scores/ScoreKey.h"
#include "rules/sound/SoundNumbers.h"
#include "windows/main/TopTenLabels.h"

namespace scores {
namespace {
const QString AppTitle = QStringLiteral("Tarnwick 2000");

// Clears the flag however the scoring is left.
struct Busy {
    explicit Busy(bool& flag) : flag(flag) { flag = true; }
    ~Busy() { flag = false; }
    bool& flag;
};
} // namespace

TopTen::TopTen(Program& program, SoundCall sndA) : program_(program), sndA_(std::move(sndA)) {}

QString TopTen::GeKey(int total) {
    platform::Random& random = program_.platform.random;
    const QDateTime now = program_.platform.clock.now();
    random.seed(quint32(now.time().msecsSinceStartOfDay()));
    const int r = keyDigit(random.next());
    const int stamp = dateStamp(now.date());
    pendingKey_ = scoreKey(r, total, stamp, versionNumber(Program::version));
    return pendingKey_;
}

List TopTen::load() const {
    return loadList(program_.ini);
}

void TopTen::save(const List& list) const {
    saveList(program_.ini, list);
}

QString TopTen::askName(QWidget* parent) const {
    TarnIni& ini = program_.ini;
    const QString answer = program_.platform.boxes.input(parent, program_.text(text::AskName),
                                                         program_.text(text::NewHighscore),
                                                         ini.get(ini::highscore::lastName));
    QString name = playerName(answer);
    ini.set(ini::highscore::lastName, name);
    return name;
}

Scored TopTen::KollaScore(int total, int playSeconds, const QList<QLabel*>& labels,
                          QWidget* parent) {
    // The boxes below run their own event loops; a second end of game arriving through
    // them must not score the list twice.
    if (scoring_) return {};
    const Busy busy(scoring_);
    Scored s = record(toPoints(total), playSeconds, labels, parent);
    program_.platform.boxes.message(parent, s.message, AppTitle);
    return s;
}

Scored TopTen::record(qint16 points, int playSeconds, const QList<QLabel*>& labels,
                      QWidget* parent) {
    TarnIni& ini = program_.ini;
    // Everything the end of a game stores reaches the file in one replacement, before the
    // result is announced.
    const TarnIni::Batch batch(ini);

    List list = load();
    Entry pending;
    pending.points = points;
    pending.key = pendingKey_;
    pending.dateStamp = QString::number(dateStamp(program_.platform.clock.now().date()));

    if (pending.points > wholePoints(ini.get(ini::highscore::alltime)))
        ini.set(ini::highscore::alltime, QString::number(pending.points));

    // Asked exactly when the result will enter, also for a list damaged out of order.
    if (placeFor(list, pending.points) > 0) {
        if (sndA_) {
            sndA_(sound::Yatzy + sound::Waiting);
            sndA_(sound::Laser);
        }
        pending.name = askName(parent);
    }
    newPlace_ = insertEntry(list, pending);
    save(list);
    UpdatTopp(program_, labels, newPlace_);

    Scored s;
    s.ran = true;
    s.newPlace = newPlace_;
    s.name = pending.name;
    // The game just finished is counted with the rest of its result.
    s.session = ini.raise(ini::session::total);
    s.logText =
        sessionLogText(s.session, pending.points, playTime(playSeconds), newPlace_, pending.name);
    program_.log.AppendLog(s.logText);
    s.message = resultMessage(program_.text(text::GameOver), pending.points);
    return s;
}

} // namespace scores
