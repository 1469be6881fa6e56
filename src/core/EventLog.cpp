#include "core/EventLog.h"

#include "core/TarnIni.h"
#include "platform/Platform.h"

#include <QFile>

EventLog::EventLog(const TarnIni& ini, QString logPath, const platform::Clock& clock)
    : ini_(ini), logPath_(std::move(logPath)), clock_(clock) {}

QString EventLog::line(const QString& text) const {
    const QDateTime now = clock_.now();
    return clock_.shortDate(now.date()) + QLatin1Char(' ') + clock_.timeText(now.time()) +
           QLatin1String("  ") + text + QLatin1String(".\r\n");
}

bool EventLog::AppendLog(const QString& text) const {
    if (!ini_.get(ini::options::WriteLog)) return false;
    QFile f(logPath_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const QByteArray bytes = line(text).toUtf8();
    return f.write(bytes) == bytes.size() && f.flush();
}
