#include "platform/qt/LazySound.h"

#include "platform/qt/Modules.h"
#include "platform/qt/sound/SoundModule.h"

#include <QtDebug>

namespace platform {

QStringList LazySound::programModulePaths() {
    return modulePaths(QStringLiteral(TARNWICK_SOUND_MODULE_NAME));
}

QString LazySound::programModulePath() {
    return modulePath(QStringLiteral(TARNWICK_SOUND_MODULE_NAME));
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
    if (const auto make = reinterpret_cast<SoundFactory>(loadModule(
            library_, path, SoundFactoryName, QStringLiteral("sound module"), &problem))) {
        player_.reset(make(maxWaitMs_));
        if (!player_) problem = QStringLiteral("the sound module %1 made no player").arg(path);
    }
    if (!player_)
        qWarning().noquote() << QStringLiteral("The game plays without sound: %1.").arg(problem);
    return player_ != nullptr;
}

bool LazySound::play(const QString& wavePath, bool wait) {
    return preload() && player_->play(wavePath, wait);
}

} // namespace platform
