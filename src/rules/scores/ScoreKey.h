#pragma once
// The score key stored with a top-10 entry and sent with it, and the values it is made of.
// The service receives the points together with a number derived from them.
#include <QDate>
#include <QString>

namespace scores {

// Year and month as one number: the last two digits of the year times 100 plus the month
// (May 2001 gives 105, December 2012 gives 1212).
int dateStamp(const QDate& date);

// The version as a number: the first character times 100 plus the last one as a digit
// ("7.0" gives 700). A character that is not a digit counts as 0.
int versionNumber(const QString& version);

// The random digit 1..9 of a key from a number in [0, 1); values outside are held in range.
int keyDigit(double random);

// The key: r, 1000 - total - 11r, 9999 - stamp - r and version + 12 - r, in plain decimal
// one after another (the second number goes negative for large totals).
QString scoreKey(int r, int total, int stamp, int version);

} // namespace scores
