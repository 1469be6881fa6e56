#pragma once
// Values that live for the whole run and that every window shares: the program's directory
// and the files in it, the platform, the selected language file and the settings page to
// open. One instance per run; tests make their own around a temporary directory.
#include "platform/Platform.h"
#include "core/EventLog.h"

#include <QDir>
#include <QString>

#include <functional>

struct Program {
    Program(const QString& directory, platform::Platform platform)
        : dir(QDir(directory).absolutePath()), platform(platform),
          log(iniPath(), file(QStringLiteral("Tarn.log")), platform.clock) {}

    // Version values shown to the player and sent with scores.
    static inline const QString version = QStringLiteral("7.0");
    static constexpr qint16 revision = 2;
    static inline const QString languageFileVersion = QStringLiteral("5.0");
    static inline const QString targetProgramVersion = QStringLiteral("6.003+");

    QString file(const QString& name) const { return dir + QLatin1Char('/') + name; }
    QString iniPath() const { return file(QStringLiteral("Tarn.ini")); }

    // The text of a language key in the selected language; "" when missing.
    QString text(const QString& key) const;

    QString dir;
    platform::Platform platform;
    EventLog log;
    QString languageFile;
    QString settingsMode; // "all", "user" or "alarm": the page the settings open on
    // Ends the process at once; tests replace it to see that the program would end.
    std::function<void()> quit;
};
