#include "rules/game/RollsPerCategory.h"

#include <QtGlobal>

namespace {

// numerator / denominator in hundredths, halves to even. Integers keep the halves exact: as a
// binary double 0.125 or 0.625 can land on either side of the half.
qint64 hundredthsHalfEven(qint64 numerator, qint64 denominator) {
    const qint64 scaled = numerator * 100;
    qint64 q = scaled / denominator;
    const qint64 twiceRest = 2 * (scaled % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && q % 2 != 0)) ++q;
    return q;
}

} // namespace

QString MrollsText(int rollsLeft, int categoriesLeft, QChar decimalPoint) {
    if (rollsLeft < 0 || categoriesLeft <= 0) return {};
    const qint64 h = hundredthsHalfEven(rollsLeft, categoriesLeft);
    if (h == qint64(rollsLeft) * 100) return {};

    QString text = QString::number(h / 100);
    int fraction = int(h % 100);
    if (fraction == 0) return text;
    int digits = 2;
    if (fraction % 10 == 0) {
        fraction /= 10;
        digits = 1;
    }
    return text + decimalPoint + QStringLiteral("%1").arg(fraction, digits, 10, QLatin1Char('0'));
}
