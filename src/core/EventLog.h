#pragma once
// The event log Tarn.log: one line per notable event, "<date> <time>  <text>.", written
// unless Options WriteLog is exactly "No".
#include <QString>

class TarnIni;
namespace platform {
class Clock;
}

class EventLog {
  public:
    EventLog(const TarnIni& ini, QString logPath, const platform::Clock& clock);

    // Appends one event; false when logging is off or the log could not be written. A log
    // that cannot be written never stops the game, so callers may ignore the result.
    bool AppendLog(const QString& text) const;

    QString line(const QString& text) const;
    const QString& path() const { return logPath_; }

  private:
    const TarnIni& ini_;
    QString logPath_;
    const platform::Clock& clock_;
};
