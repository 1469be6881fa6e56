#pragma once
// Our check of a wave file before anything plays it. Only plain PCM that a player hears as a
// short sound passes: the files lie in the player's directory, where anyone may put anything,
// and a damaged header must not reach a decoder that believes it.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace platform {

// Larger files are not read at all; ours are a few kilobytes each.
inline constexpr qint64 MaxWaveFileBytes = 16 * 1024 * 1024;
// Sample rates players hear as meant; far outside them a valid header only stretches the sound.
inline constexpr int MinWaveRate = 8000;
inline constexpr int MaxWaveRate = 96000;
// The longest a waiting sound holds the game, whatever the file says: ours last about a second.
inline constexpr int MaxWaveWaitMs = 5000;

struct WaveInfo {
    int channels = 0;         // 1 or 2
    int sampleRate = 0;       // frames per second
    int bits = 0;             // 8 (unsigned samples) or 16 (signed)
    qsizetype dataOffset = 0; // where the samples start in the file
    qsizetype dataBytes = 0;  // whole frames only; a cut-off last frame is left out
    int durationMs = 0;

    int frameBytes() const { return channels * bits / 8; }
    // How long a waiting play holds the game.
    int waitMs() const { return durationMs < MaxWaveWaitMs ? durationMs : MaxWaveWaitMs; }
};

// A checked wave file: its description and the very samples that were checked, so a player
// uses them rather than reading the file again.
struct Wave {
    WaveInfo info;
    QByteArray samples; // info.dataBytes of them
};

// The description of wave bytes in memory; none unless the header is whole, consistent and
// within the bytes, so that no size in it is ever believed beyond what is there.
std::optional<WaveInfo> parseWave(QByteArrayView bytes);
// The same for a file, read whole without blocking, and only when it is a regular file of at
// most MaxWaveFileBytes; none for anything else.
std::optional<Wave> readWave(const QString& path);
std::optional<WaveInfo> readWaveInfo(const QString& path);

} // namespace platform
