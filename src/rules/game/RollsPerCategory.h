#pragma once
// The rolls left per category left, shown in Mrolls after each roll as a hint at how many rolls
// each remaining turn may spend.
#include <QChar>
#include <QString>

// rollsLeft / categoriesLeft rounded to two decimals, halves to even, written with at most two
// decimals, no trailing zeros and the given decimal separator: 40 and 13 give "3.08". Empty when
// the quotient equals rollsLeft (one category left, or no rolls), when rollsLeft is negative or
// when no category is left.
QString MrollsText(int rollsLeft, int categoriesLeft, QChar decimalPoint);
