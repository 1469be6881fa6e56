#include "windows/main/TopTen.h"

#include "core/Program.h"
#include "rules/scores/ScoreKey.h"
#include "windows/main/TopTenLabels.h"
#include "platform/ProfileFile.h"
#include "core/Profile.h"

namespace scores {
namespace {
const QString Highscore = QStringLiteral("Highscore");
const QString AppTitle = QStringLiteral("Tarnwick 2000");

QString key(char prefix, int place) {
    return QLatin1Char(prefix) + QString::number(place);
}

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
    const QString ini = program_.iniPath();
    List list;
    for (int n = 1; n <= Places; ++n) {
        Entry& e = list[n - 1];
        e.points = wholePoints(GetINI(Highscore, key('p', n), ini));
        e.name = GetINI(Highscore, key('n', n), ini);
        e.key = GetINI(Highscore, key('k', n), ini);
        e.dateStamp = GetINI(Highscore, key('d', n), ini);
    }
    return list;
}

void TopTen::save(const List& list) const {
    // One replacement of the file for all forty values: the list is never half written, and
    // the end of a game does not wait for forty writes to reach the disk.
    QList<profile::Write> writes;
    for (int n = 1; n <= Places; ++n) {
        const Entry& e = list[n - 1];
        writes.append({Highscore, key('p', n), QString::number(e.points)});
        writes.append({Highscore, key('n', n), e.name});
        writes.append({Highscore, key('k', n), e.key});
        writes.append({Highscore, key('d', n), e.dateStamp});
    }
    profile::writeStrings(writes, program_.iniPath());
}

QString TopTen::askName(QWidget* parent) const {
    const QString ini = program_.iniPath();
    const QString answer = program_.platform.boxes.input(
        parent, program_.text(QStringLiteral("b4")), program_.text(QStringLiteral("b3")),
        GetINI(Highscore, QStringLiteral("name"), ini));
    const QString name = playerName(answer);
    SetINI(Highscore, QStringLiteral("name"), name, ini);
    return name;
}

Scored TopTen::KollaScore(int total, int playSeconds, const QList<QLabel*>& labels,
                          QWidget* parent) {
    // The boxes below run their own event loops; a second end of game arriving through
    // them must not score the list twice.
    if (scoring_) return {};
    const Busy busy(scoring_);
    const QString ini = program_.iniPath();

    const QString time = playTime(playSeconds);
    List list = load();
    Entry pending;
    pending.points = toPoints(total);
    pending.key = pendingKey_;
    pending.dateStamp = QString::number(dateStamp(program_.platform.clock.now().date()));

    if (pending.points > wholePoints(GetINI(Highscore, QStringLiteral("alltime"), ini)))
        profile::writeNumber(Highscore, QStringLiteral("alltime"), pending.points, ini);

    // Asked exactly when the result will enter, also for a list damaged out of order.
    if (placeFor(list, pending.points) > 0) {
        if (sndA_) {
            sndA_(EnterSound);
            sndA_(LaserSound);
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
    s.session = profile::readNumber(QStringLiteral("Session"), QStringLiteral("total"), ini) + 1;
    s.logText = sessionLogText(s.session, pending.points, time, newPlace_, pending.name);
    program_.log.AppendLog(s.logText);
    s.message = resultMessage(program_.text(QStringLiteral("b5")), pending.points);
    program_.platform.boxes.message(parent, s.message, AppTitle);
    return s;
}

} // namespace scores
