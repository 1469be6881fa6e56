#pragma once
// The clock shown in the main window's title bar and the one alarm: how the time and date are
// written, when the stored alarm time is due, and how that time is split for its two boxes.
#include <QString>

class QDate;
class QLocale;
class QTime;

namespace alarmclock {

// What the message box holds until the player types a message of their own.
inline const QString Placeholder = QStringLiteral("(Message)");

// "9:07", "14:30": the hour without a leading zero, the minutes with one.
QString clockCaption(const QTime& time);
// " 4 May 2001 ": the day, the month's full name in `locale`, the year, between blanks.
QString dateTip(const QDate& date, const QLocale& locale);

// Whether `when` names the minute of `time`. Stored times are written "7:05", but "7:5"
// written by hand means the same minute; an empty time is never due.
bool isDue(const QTime& time, const QString& when);

// The stored time as the texts of the hour box ("0".."23") and the minutes box
// (":00"..":59"). A time that is not a valid "H:MM" gives two empty texts.
struct WhenParts {
    QString hour;
    QString minutes;
};
WhenParts splitWhen(const QString& when);

// The message the alarm shows: the player's own, or the word for the alarm and "!" when the
// player left the placeholder in the box.
QString message(const QString& stored, const QString& alarmWord);
// The title of the alarm's box: the word for the alarm and the time.
QString title(const QString& alarmWord, const QString& when);
// The log line of a fired alarm.
QString logLine(const QString& when, const QString& message);

} // namespace alarmclock
