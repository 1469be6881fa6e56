#pragma once
// The real sound player, on QAudioSink. Built only into the sound module (see SoundModule.h).
#include "platform/Platform.h"
#include "platform/WaveFile.h"

#include <memory>

class QAudioSink;
class QBuffer;

namespace platform {

// Plays the samples our own wave check passed, from memory: Qt's wave loader never sees a file,
// so a damaged one cannot hang it, and a file swapped after the check is not what plays.
class QtSound : public Sound {
  public:
    // A waiting play lasts the sound's length, but at most maxWaitMs.
    explicit QtSound(int maxWaitMs = MaxWaveWaitMs);
    ~QtSound() override;
    bool play(const QString& wavePath, bool wait) override;

  private:
    void stop();

    int maxWaitMs_;
    std::unique_ptr<QBuffer> samples_;
    std::unique_ptr<QAudioSink> sink_; // reads samples_, so it goes first
};

} // namespace platform
