#include "platform/WaveFile.h"

#include <QFile>
#include <QtEndian>

#include <limits>

int waveDurationMs(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return -1;
    // The length follows the frames and the sample rate, as the player counts them; the
    // header's own bytes-per-second field may be anything in a damaged file.
    qint64 frameBytes = 0;
    qint64 sampleRate = 0;
    while (!f.atEnd()) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8) return -1;
        const qint64 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ") {
            const QByteArray fmt = f.read(qMin<qint64>(size, 16));
            if (fmt.size() < 16) return -1;
            const int channels = qFromLittleEndian<quint16>(fmt.constData() + 2);
            sampleRate = qFromLittleEndian<quint32>(fmt.constData() + 4);
            const int bits = qFromLittleEndian<quint16>(fmt.constData() + 14);
            frameBytes = qint64(channels) * ((bits + 7) / 8);
            f.seek(f.pos() + (size - fmt.size()) + (size & 1));
        } else if (id == "data") {
            if (frameBytes <= 0 || sampleRate <= 0) return -1;
            const qint64 bytes = qMin<qint64>(size, f.size() - f.pos());
            const qint64 ms = bytes / frameBytes * 1000 / sampleRate;
            return int(qMin<qint64>(ms, std::numeric_limits<int>::max()));
        } else {
            f.seek(f.pos() + size + (size & 1));
        }
    }
    return -1;
}
