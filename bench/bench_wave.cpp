// Times the check every play makes before a sound starts: reading a wave file whole and
// checking its header, for a sound of our size, for the largest file read, and for the files
// that are refused (a damaged size, a file too large, a fifo).
#include "platform/WaveFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

namespace {

// A 16-bit mono header at 22050 Hz (8-bit at 8000 Hz when `small`) claiming `dataBytes`.
QByteArray header(quint32 dataBytes, bool small) {
    const quint16 bits = small ? 8 : 16;
    const quint32 rate = small ? 8000 : 22050;
    QByteArray h("RIFF....WAVEfmt ....");
    auto put = [&h](auto v) {
        v = qToLittleEndian(v);
        h.append(reinterpret_cast<const char*>(&v), sizeof v);
    };
    put(quint16(1));
    put(quint16(1));
    put(rate);
    put(quint32(rate * bits / 8));
    put(quint16(bits / 8));
    put(bits);
    h += "data";
    put(dataBytes);
    qToLittleEndian(quint32(16), h.data() + 16);
    qToLittleEndian(quint32(36 + dataBytes), h.data() + 4);
    return h;
}

bool writeFile(const QString& path, const QByteArray& head, qint64 size) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(head) == head.size() && f.resize(size);
}

// Best and mean time of one call over `rounds` rounds of `calls` calls, in microseconds.
template <class F> void time(const char* what, int rounds, int calls, F&& call) {
    double best = 1e300, sum = 0;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < calls; ++i)
            call();
        const double us = double(t.nsecsElapsed()) / 1e3 / calls;
        best = std::min(best, us);
        sum += us;
    }
    std::printf("%-44s best %9.1f us, mean %9.1f us per call\n", what, best, sum / rounds);
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString sound = dir.filePath(QStringLiteral("dice.wav"));
    const QString largest = dir.filePath(QStringLiteral("largest.wav"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.wav"));
    const QString tooLarge = dir.filePath(QStringLiteral("large.wav"));
    const QString fifo = dir.filePath(QStringLiteral("fifo.wav"));
    const qint64 max = platform::MaxWaveFileBytes;
    if (!writeFile(sound, header(21168, false), 44 + 21168) || // 480 ms, like dice.wav
        !writeFile(largest, header(quint32(max - 44), true), max) ||
        !writeFile(damaged, header(0xFFFFFFFF, false), 44 + 1000) ||
        !writeFile(tooLarge, header(quint32(max), true), max + 1) ||
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0)
        return 1;

    int found = 0;
    auto read = [&found](const QString& path) {
        return [&found, path] { found += platform::readWave(path).has_value(); };
    };
    time("a 480 ms sound (21 KB), read and checked", 20, 200, read(sound));
    time("the largest file read (16 MiB)", 5, 4, read(largest));
    time("data claiming 0xFFFFFFFF bytes, refused", 20, 200, read(damaged));
    time("a file over 16 MiB, refused unread", 20, 200, read(tooLarge));
    time("a fifo, refused without waiting", 20, 200, read(fifo));
    std::printf("(%d files passed)\n", found);
    return 0;
}
