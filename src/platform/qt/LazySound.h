#pragma once
// The sound player the game holds: it loads the real one from the sound module when first
// needed, so the program starts without Qt Multimedia (see sound/SoundModule.h).
#include "platform/Platform.h"
#include "platform/WaveFile.h"

#include <QLibrary>
#include <QStringList>

#include <memory>

namespace platform {

class LazySound : public Sound {
  public:
    // An empty modulePath stands for the program's own module (programModulePath).
    explicit LazySound(QString modulePath = QString(), int maxWaitMs = MaxWaveWaitMs);
    ~LazySound() override;
    LazySound(const LazySound&) = delete;
    LazySound& operator=(const LazySound&) = delete;

    // Loads the module now, so that the first sound is not held up by it. Only the first call
    // (of this or of play) tries; a module that failed once stays off for the run, with one
    // warning, and every play answers false.
    bool preload();
    bool play(const QString& wavePath, bool wait) override;

    // How often this player has tried to load the module: 0 or 1.
    int loadAttempts() const { return loadAttempts_; }

    // The module in a folder the build fixed relative to the executable: the first of
    // programModulePaths that exists, else the first. Never taken from a file or the
    // environment: whatever lies at this path runs inside the game.
    static QString programModulePath();
    // Beside the executable as the build lays it out, then where an installation puts it.
    static QStringList programModulePaths();

  private:
    QString modulePath_;
    int maxWaitMs_;
    int loadAttempts_ = 0;
    QLibrary library_;
    std::unique_ptr<Sound> player_;
};

} // namespace platform
