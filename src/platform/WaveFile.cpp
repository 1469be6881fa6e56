#include "platform/WaveFile.h"

#include <QFile>
#include <QtEndian>

int waveDurationMs(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return -1;
    quint32 byteRate = 0;
    while (!f.atEnd()) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8) return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ") {
            const QByteArray fmt = f.read(qMin<quint32>(size, 16));
            if (fmt.size() < 16) return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            f.seek(f.pos() + (size - fmt.size()) + (size & 1));
        } else if (id == "data") {
            if (byteRate == 0) return -1;
            const qint64 available = f.size() - f.pos();
            const qint64 bytes = qMin<qint64>(size, available);
            return int(bytes * 1000 / byteRate);
        } else {
            f.seek(f.pos() + size + (size & 1));
        }
    }
    return -1;
}
