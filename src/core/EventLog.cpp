#include "core/EventLog.h"

#include "core/TarnIni.h"
#include "platform/Platform.h"
#include "platform/RegularFile.h"

EventLog::EventLog(const TarnIni& ini, QString logPath, const platform::Clock& clock)
    : ini_(ini), logPath_(std::move(logPath)), clock_(clock) {}

QString EventLog::line(const QString& text) const {
    const QDateTime now = clock_.now();
    return clock_.shortDate(now.date()) + QLatin1Char(' ') + clock_.timeText(now.time()) +
           QLatin1String("  ") + text + QLatin1String(".\r\n");
}

bool EventLog::AppendLog(const QString& text) const {
    if (!ini_.get(ini::options::WriteLog)) return false;
    // Never a fifo or a device in the log's place: opening one could hold the game forever.
    return platform::appendToRegularFile(logPath_, line(text).toUtf8());
}
