#pragma once
// Reading and writing one value of a profile file (Tarn.ini or a language file).
#include <QString>

QString GetINI(const QString& section, const QString& key, const QString& path);
bool SetINI(const QString& section, const QString& key, const QString& value, const QString& path);

namespace profile {

// Switches are stored as "Yes" or "No" and compared exactly.
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");

// Rule Y: on only when the value is exactly "Yes" (a missing key is off).
inline bool ruleY(const QString& value) { return value == Yes; }
// Rule N: on unless the value is exactly "No" (a missing key is on).
inline bool ruleN(const QString& value) { return value != No; }
inline QString yesNo(bool on) { return on ? Yes : No; }

bool switchY(const QString& section, const QString& key, const QString& path);
bool switchN(const QString& section, const QString& key, const QString& path);

// A numeric key: a missing value, or one that is not a whole number, reads as 0.
int toNumber(const QString& value);
int readNumber(const QString& section, const QString& key, const QString& path);
bool writeNumber(const QString& section, const QString& key, qint64 number, const QString& path);

} // namespace profile
