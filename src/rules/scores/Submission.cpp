#include "rules/scores/Submission.h"

namespace scores {

QString screenText(const QSize& workArea) {
    // The two common sizes are named whatever the height, which panels make vary.
    if (workArea.width() == 800) return QStringLiteral("800x600");
    if (workArea.width() == 1024) return QStringLiteral("1024x768");
    return QStringLiteral("%1x%2").arg(workArea.width()).arg(workArea.height());
}

QString osFamily(const QString& systemName) {
    const QString name = systemName.trimmed();
    for (const char* family : {"Windows 95", "Windows 98", "Windows Me"})
        if (name.startsWith(QLatin1String(family))) return QStringLiteral("Win95");
    if (name.startsWith(QLatin1String("Windows"))) return QStringLiteral("WinNT");
    return QStringLiteral("N/A");
}

QString submissionAddress(const Submission& s) {
    const QString date = s.date.isEmpty() ? QString::number(s.todayStamp) : s.date;
    // Plain concatenation, not arg(): a user name or password may contain "%1".
    return s.send + QStringLiteral("?user=") + s.user + QStringLiteral("&pass=") + s.pass +
           QStringLiteral("&ver=") + QString::number(s.version) + QStringLiteral("&rev=") +
           QString::number(s.revision) + QStringLiteral("&date=") + date +
           QStringLiteral("&points=") + s.points + QStringLiteral("&key=") + s.key +
           QStringLiteral("&lan=") + s.lan + QStringLiteral("&screen=") + screenText(s.workArea) +
           QStringLiteral("&os=") + s.os;
}

} // namespace scores
