#include "platform/ProgramPlace.h"

#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#ifndef TARNWICK_DATA_FROM_BIN
#define TARNWICK_DATA_FROM_BIN "../share/tarnwick"
#endif
#ifndef TARNWICK_INSTALL_DATA_DIR
#define TARNWICK_INSTALL_DATA_DIR "/usr/local/share/tarnwick"
#endif

namespace platform {

ProgramPlace decideProgramPlace(const PlaceFacts& facts) {
    if (facts.exeDirWritable && (facts.exeDirHasIni || facts.exeDirHasPackage))
        return {ProgramMode::Portable, QDir::cleanPath(facts.exeDir)};
    // A relative XDG_DATA_HOME is invalid and ignored, as is a relative HOME: either would put
    // the player's files wherever the game happened to be started from.
    QString base;
    if (QDir::isAbsolutePath(facts.xdgDataHome))
        base = facts.xdgDataHome;
    else if (QDir::isAbsolutePath(facts.home))
        base = facts.home + QStringLiteral("/.local/share");
    if (base.isEmpty()) return {ProgramMode::Installed, QString()};
    return {ProgramMode::Installed, QDir::cleanPath(base + QStringLiteral("/tarnwick"))};
}

PlaceFacts observePlace(const QString& exeDir) {
    PlaceFacts f;
    f.exeDir = exeDir;
    f.exeDirWritable = ::access(QFile::encodeName(exeDir).constData(), W_OK) == 0;
    f.exeDirHasIni = fileState(exeDir + QStringLiteral("/Tarn.ini")) == FileState::Regular;
    f.exeDirHasPackage = fileState(exeDir + QStringLiteral("/Res.pac")) == FileState::Regular;
    f.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    f.home = qEnvironmentVariable("HOME");
    return f;
}

QStringList installedDataDirs(const QString& exeDir) {
    QStringList dirs{QDir::cleanPath(exeDir + QStringLiteral("/" TARNWICK_DATA_FROM_BIN))};
    const QString configured = QDir::cleanPath(QStringLiteral(TARNWICK_INSTALL_DATA_DIR));
    if (!dirs.contains(configured)) dirs << configured;
    return dirs;
}

QString findInstalledData(const QStringList& dirs) {
    for (const QString& d : dirs)
        if (fileState(d + QStringLiteral("/Res.pac")) == FileState::Regular) return d;
    return QString();
}

} // namespace platform
