#include "rules/clock/AlarmClock.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace alarmclock {

QString clockCaption(const QTime& time) {
    return QString::number(time.hour()) + QLatin1Char(':') +
           QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString dateTip(const QDate& date, const QLocale& locale) {
    return QLatin1Char(' ') + QString::number(date.day()) + QLatin1Char(' ') +
           locale.monthName(date.month(), QLocale::LongFormat) + QLatin1Char(' ') +
           QString::number(date.year()) + QLatin1Char(' ');
}

bool isDue(const QTime& time, const QString& when) {
    if (when.isEmpty()) return false;
    const QString hour = QString::number(time.hour());
    const QString minutes = QString::number(time.minute());
    return hour + QLatin1Char(':') + minutes == when ||
           hour + QStringLiteral(":0") + minutes == when;
}

WhenParts splitWhen(const QString& when) {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = form.match(when);
    if (!m.hasMatch()) return {};
    const int hour = m.captured(1).toInt();
    const int minutes = m.captured(2).toInt();
    if (hour > 23 || minutes > 59) return {};
    return {QString::number(hour), QStringLiteral(":%1").arg(minutes, 2, 10, QLatin1Char('0'))};
}

QString message(const QString& stored, const QString& alarmWord) {
    return stored == Placeholder ? alarmWord + QLatin1Char('!') : stored;
}

QString title(const QString& alarmWord, const QString& when) {
    return alarmWord + QLatin1Char(' ') + when;
}

QString logLine(const QString& when, const QString& message) {
    return QStringLiteral("Alarm ") + when + QStringLiteral(", '") + message + QLatin1Char('\'');
}

} // namespace alarmclock
