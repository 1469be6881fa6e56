#include "rules/scores/HighscoreList.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace scores {

qint16 toPoints(qint64 total) {
    return qint16(std::clamp<qint64>(total, std::numeric_limits<qint16>::min(),
                                     std::numeric_limits<qint16>::max()));
}

qint16 wholePoints(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return 0;
    constexpr double lo = std::numeric_limits<qint16>::min();
    constexpr double hi = std::numeric_limits<qint16>::max();
    return qint16(std::trunc(std::clamp(value, lo, hi)));
}

int placeFor(const List& list, qint16 points) {
    if (points <= 0) return 0;
    for (int j = 0; j < Places - 1; ++j)
        if (list[j].points < points) return j + 1;
    return points > list[Places - 1].points ? Places : 0;
}

int insertEntry(List& list, const Entry& pending) {
    const int place = placeFor(list, pending.points);
    if (place == 0) return 0;
    std::move_backward(list.begin() + place - 1, list.end() - 1, list.end());
    list[place - 1] = pending;
    return place;
}

QString playTime(int seconds) {
    seconds = std::max(seconds, 0);
    return QString::number(seconds / 60) + QLatin1Char(':') +
           QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString playerName(const QString& answer) {
    if (answer.isEmpty()) return Anonymous;
    // Count characters, not UTF-16 units, so a name is never cut inside a surrogate pair.
    qsizetype end = 0;
    for (int kept = 0; end < answer.size() && kept < NameLength; ++kept)
        end += (answer[end].isHighSurrogate() && end + 1 < answer.size()) ? 2 : 1;
    return answer.left(end);
}

QString sessionLogText(qint64 session, int points, const QString& time, int newPlace,
                       const QString& name) {
    QString text =
        QStringLiteral("Session %1: Score: %2, time: %3").arg(session).arg(points).arg(time);
    if (newPlace >= 1 && newPlace <= Places)
        text +=
            QStringLiteral(". New highscore, place %1 \"").arg(newPlace) + name + QLatin1Char('"');
    return text;
}

QString resultMessage(const QString& b5, int points) {
    return b5 + QLatin1Char(' ') + QString::number(points) + QStringLiteral(" p");
}

QString toppCaption(int place, const QString& points, const QString& name, const QString& key) {
    if (points.isEmpty() || name.isEmpty() || key.isEmpty()) return {};
    return QString::number(place) + QStringLiteral(". ") + points + QLatin1Char(' ') + name;
}

QString toppTooltip(bool showHelpText, const QString& h1, const QString& points) {
    if (!showHelpText || wholePoints(points) <= 0) return {};
    return QLatin1Char(' ') + h1 + QStringLiteral("  (") + points + QStringLiteral(" p) ");
}

} // namespace scores
