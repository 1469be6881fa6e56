#include "platform/qt/sound/QtSound.h"

#include "platform/qt/sound/SoundModule.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <new>
#include <type_traits>

static_assert(std::is_same_v<decltype(&tarnwick_make_sound), platform::SoundFactory>);

platform::Sound* tarnwick_make_sound(int maxWaitMs) {
    // No exception may cross into the loader's C call.
    return new (std::nothrow) platform::QtSound(maxWaitMs);
}

namespace platform {

QtSound::QtSound(int maxWaitMs) : maxWaitMs_(maxWaitMs) {}

QtSound::~QtSound() {
    stop();
}

void QtSound::stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    samples_.reset();
}

bool QtSound::play(const QString& wavePath, bool wait) {
    // One read: what plays is what was checked, even if the file changes meanwhile.
    std::optional<Wave> wave = readWave(wavePath);
    if (!wave) return false;
    // A new sound cuts off the one playing, as the desktop's own sound call does.
    stop();
    const WaveInfo& info = wave->info;
    // Without an audio device there is nothing to start (and Qt would warn at every sound).
    if (info.dataBytes > 0 && !QMediaDevices::defaultAudioOutput().isNull()) {
        QAudioFormat format;
        format.setSampleRate(info.sampleRate);
        format.setChannelCount(info.channels);
        format.setSampleFormat(info.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        samples_ = std::make_unique<QBuffer>();
        samples_->setData(std::move(wave->samples));
        samples_->open(QIODevice::ReadOnly);
        // A new sink each time, so a sound goes to the output that is the default now.
        sink_ = std::make_unique<QAudioSink>(format);
        sink_->start(samples_.get());
    }
    const int length = qMin(info.waitMs(), maxWaitMs_);
    if (wait && length > 0) {
        // The wait lasts the sound's own length. The sink's state is no guide to the end:
        // without an audio device it never plays, and with one it turns idle as the last
        // buffer is handed over, before it is heard. Our sounds end in a faded tail, so a late
        // start that the next sound cuts off loses nothing audible. Input is held back
        // meanwhile, as a blocking call would.
        QEventLoop loop;
        QTimer::singleShot(length, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return true;
}

} // namespace platform
