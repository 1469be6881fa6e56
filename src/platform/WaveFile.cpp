#include "platform/WaveFile.h"

#include "platform/RegularFile.h"

#include <QtEndian>

namespace platform {
namespace {

quint16 u16(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}
quint32 u32(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.data() + at);
}

// The fields of a `fmt ` chunk that we play; none unless they describe PCM we can play as meant.
std::optional<WaveInfo> parseFormat(QByteArrayView fmt) {
    if (fmt.size() < 16 || u16(fmt, 0) != 1) return std::nullopt; // PCM only
    WaveInfo w;
    w.channels = u16(fmt, 2);
    const quint32 rate = u32(fmt, 4);
    const quint32 byteRate = u32(fmt, 8);
    const int blockAlign = u16(fmt, 12);
    w.bits = u16(fmt, 14);
    if (w.channels != 1 && w.channels != 2) return std::nullopt;
    if (w.bits != 8 && w.bits != 16) return std::nullopt;
    if (rate < quint32(MinWaveRate) || rate > quint32(MaxWaveRate)) return std::nullopt;
    w.sampleRate = int(rate);
    // A header that disagrees with itself is damaged, even where we could guess what it meant.
    if (blockAlign != w.frameBytes() || byteRate != rate * quint32(blockAlign)) return std::nullopt;
    return w;
}

} // namespace

std::optional<WaveInfo> parseWave(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    if (size < 12 || bytes.first(4) != "RIFF" || bytes.sliced(8, 4) != "WAVE") return std::nullopt;
    // Sizes are compared as 64-bit numbers against what is really there, never used to allocate.
    const qint64 riffEnd = 8 + qint64(u32(bytes, 4));
    if (riffEnd > size) return std::nullopt; // the RIFF claims more than the file holds
    std::optional<WaveInfo> format;
    qint64 at = 12;
    while (at + 8 <= riffEnd) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 chunkSize = u32(bytes, at + 4);
        const qint64 body = at + 8;
        if (body + chunkSize > riffEnd) return std::nullopt;
        if (id == "fmt ") {
            if (format) return std::nullopt; // two formats: which one is meant?
            format = parseFormat(bytes.sliced(body, chunkSize));
            if (!format) return std::nullopt;
        } else if (id == "data") {
            if (!format) return std::nullopt; // samples before their format
            WaveInfo w = *format;
            w.dataOffset = body;
            w.dataBytes = chunkSize - chunkSize % w.frameBytes();
            w.durationMs = int(w.dataBytes / w.frameBytes() * 1000 / w.sampleRate);
            return w;
        }
        at = body + chunkSize + (chunkSize & 1); // chunks are padded to even sizes
    }
    return std::nullopt; // no data chunk, or a header cut off
}

std::optional<Wave> readWave(const QString& path) {
    FileRead file = readRegularFile(path, MaxWaveFileBytes);
    if (file.state != FileState::Regular) return std::nullopt;
    const std::optional<WaveInfo> info = parseWave(file.bytes);
    if (!info) return std::nullopt;
    // Cut down in place: no second copy of a file that may be megabytes.
    file.bytes.truncate(info->dataOffset + info->dataBytes);
    file.bytes.remove(0, info->dataOffset);
    return Wave{*info, std::move(file.bytes)};
}

std::optional<WaveInfo> readWaveInfo(const QString& path) {
    const std::optional<Wave> wave = readWave(path);
    return wave ? std::optional<WaveInfo>(wave->info) : std::nullopt;
}

} // namespace platform
