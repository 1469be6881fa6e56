#include "rules/scores/ScoreKey.h"

#include <algorithm>

namespace scores {

int dateStamp(const QDate& date) {
    return (date.year() % 100) * 100 + date.month();
}

int versionNumber(const QString& version) {
    if (version.isEmpty()) return 0;
    const auto digit = [](QChar c) { return std::max(c.digitValue(), 0); };
    return digit(version.front()) * 100 + digit(version.back());
}

int keyDigit(double random) {
    return std::clamp(int(random * 9) + 1, 1, 9);
}

QString scoreKey(int r, int total, int stamp, int version) {
    return QString::number(r) + QString::number(1000 - total - 11 * r) +
           QString::number(9999 - stamp - r) + QString::number(version + 12 - r);
}

} // namespace scores
