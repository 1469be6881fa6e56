// What an installed game's start spends on its per-user folder: the first start (creating the
// folder and copying the shipped data), every later start (hashing the installed files against
// the record) and the start after an upgrade (copying the changed package), for a package of
// today's size (about 0.25 MB) and one of 20 MB.
// Usage: bench_seed [rounds]   (default 20; the best round of each counts)
#include "platform/ProgramSeed.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

bool writeSized(const QString& path, qint64 size, char fill) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray block(qsizetype(64) * 1024, fill);
    for (qint64 left = size; left > 0; left -= block.size())
        if (f.write(block.constData(), std::min<qint64>(left, block.size())) < 0) return false;
    return true;
}

bool ship(const QString& data, qint64 packageBytes, char version) {
    QDir().mkpath(data);
    bool ok = writeSized(data + QStringLiteral("/Res.pac"), packageBytes, version);
    for (const char* name : {"Tarn.ini", "English.lan", "Swedish.lan", "Version.txt"})
        ok &= writeSized(data + QLatin1Char('/') + QLatin1String(name), 2000, version);
    return ok && writeSized(data + QStringLiteral("/Beep.wav"), 11000, version);
}

double ms(QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::printf("%-10s %12s %12s %12s   (best of %d, ms)\n", "package", "first start",
                "later start", "upgrade", rounds);
    for (const qint64 size : {qint64(250'000), qint64(20'000'000)}) {
        double first = 1e9, later = 1e9, upgrade = 1e9;
        for (int r = 0; r < rounds; ++r) {
            QTemporaryDir root;
            const QString data = root.filePath(QStringLiteral("share"));
            const QString mine = root.filePath(QStringLiteral("home/.local/share/tarnwick"));
            if (!ship(data, size, 'a')) return 1;
            QElapsedTimer t;
            t.start();
            bool ok = platform::makeWritableDir(mine).isEmpty() &&
                      platform::seedProgramDir(data, mine).ok;
            first = std::min(first, ms(t));
            t.restart();
            ok &= platform::makeWritableDir(mine).isEmpty() &&
                  platform::seedProgramDir(data, mine).copied.isEmpty();
            later = std::min(later, ms(t));
            if (!writeSized(data + QStringLiteral("/Res.pac"), size, 'b')) return 1;
            t.restart();
            ok &= platform::seedProgramDir(data, mine).copied == QStringList{"Res.pac"};
            upgrade = std::min(upgrade, ms(t));
            if (!ok) {
                std::fprintf(stderr, "seeding failed\n");
                return 1;
            }
        }
        std::printf("%7.2f MB %12.2f %12.2f %12.2f\n", double(size) / 1e6, first, later, upgrade);
    }
    return 0;
}
