#include "platform/qt/LazySound.h"

#include "platform/qt/sound/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtDebug>

namespace platform {

QStringList LazySound::programModulePaths() {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (programDir.isEmpty()) return {};
    // Where the build lays it out (a portable copy), then where an installation puts it.
    QStringList paths;
    for (const QString& folder : {QStringLiteral(TARNWICK_SOUND_MODULE_DIR),
                                  QStringLiteral(TARNWICK_INSTALLED_SOUND_MODULE_DIR)}) {
        const QString path = QDir::cleanPath(programDir + QLatin1Char('/') + folder +
                                             QStringLiteral("/" TARNWICK_SOUND_MODULE_NAME));
        if (!paths.contains(path)) paths << path;
    }
    return paths;
}

QString LazySound::programModulePath() {
    const QStringList paths = programModulePaths();
    for (const QString& path : paths)
        if (QFileInfo(path).isFile()) return path;
    return paths.value(0);
}

LazySound::LazySound(QString modulePath, int maxWaitMs)
    : modulePath_(std::move(modulePath)), maxWaitMs_(maxWaitMs) {}

// The module stays loaded: its player goes first, and Qt Multimedia keeps threads and
// globals of its own that must not be pulled from under it.
LazySound::~LazySound() = default;

bool LazySound::preload() {
    if (player_ || loadAttempts_ > 0) return player_ != nullptr;
    ++loadAttempts_;
    const QString path = modulePath_.isEmpty() ? programModulePath() : modulePath_;
    QString problem;
    if (path.isEmpty()) {
        problem = QStringLiteral("the program's directory is unknown");
    } else if (!QDir::isAbsolutePath(path)) {
        // A bare name would be looked for along the library path, where anything may lie.
        problem = QStringLiteral("the sound module's path %1 is not absolute").arg(path);
    } else if (!QFileInfo(path).isFile()) {
        // Checked first, or the loader would try variants of the name instead.
        problem = QStringLiteral("there is no sound module at %1").arg(path);
    } else {
        library_.setFileName(path);
        // All symbols now: a module missing one fails here rather than at the first sound.
        library_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library_.load()) {
            problem = library_.errorString();
        } else if (const auto make =
                       reinterpret_cast<SoundFactory>(library_.resolve(SoundFactoryName))) {
            player_.reset(make(maxWaitMs_));
            if (!player_) problem = QStringLiteral("the sound module %1 made no player").arg(path);
        } else {
            problem = QStringLiteral("%1 is not the game's sound module (it has no %2)")
                          .arg(path, QLatin1String(SoundFactoryName));
        }
    }
    if (!player_)
        qWarning().noquote() << QStringLiteral("The game plays without sound: %1.").arg(problem);
    return player_ != nullptr;
}

bool LazySound::play(const QString& wavePath, bool wait) {
    return preload() && player_->play(wavePath, wait);
}

} // namespace platform
