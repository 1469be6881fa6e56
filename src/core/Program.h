#pragma once
// Values that live for the whole run and that every window shares: the program's directory and
// the files in it, the platform, Tarn.ini, the event log and the selected language file. One
// instance per run; tests make their own around a temporary directory.
#include "core/EventLog.h"
#include "core/LanguageKeys.h"
#include "core/TarnIni.h"
#include "platform/Platform.h"

#include <QDir>
#include <QString>

#include <functional>

struct Program {
    Program(const QString& directory, platform::Platform platform)
        : dir(QDir(directory).absolutePath()), platform(platform),
          ini(file(QStringLiteral("Tarn.ini"))),
          log(ini, file(QStringLiteral("Tarn.log")), platform.clock) {}

    // Version values shown to the player and sent with scores.
    static inline const QString version = QStringLiteral("7.0");
    static constexpr qint16 revision = 2;
    static inline const QString languageFileVersion = QStringLiteral("5.0");
    static inline const QString targetProgramVersion = QStringLiteral("6.003+");

    QString file(const QString& name) const { return dir + QLatin1Char('/') + name; }
    QString iniPath() const { return ini.path(); }

    // The text of a language key in the selected language; the built-in English text where the
    // language has none, and "" for a key the program does not have.
    QString text(const QString& key) const;
    QString text(text::Key key) const { return text(key.name()); }

    QString dir;
    platform::Platform platform;
    TarnIni ini;
    EventLog log;
    QString languageFile;
    // Ends the process at once; tests replace it to see that the program would end.
    std::function<void()> quit;
};
