// Unpacking the resource package against copying the same files with cp: a package of about
// 200 MB (three large files and 240 small ones) is made in a temporary folder with the build's
// packer, then unpacked file by file as the game does and copied with `cp` in turns, and the
// throughput of both and their ratio are printed. Then the peak resident memory of a process
// that unpacks a 20 MB and a 200 MB package: it must not grow with the package.
// Usage: bench_package [rounds]   (default 5; the best round of each counts)
#include "package/UnPackage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr qint64 MB = 1024 * 1024;

// Bytes nothing can shrink, the same at every run.
bool writeNoise(const QString& path, qint64 size, quint64 seed) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QByteArray block(1 * MB, Qt::Uninitialized);
    quint64 x = seed * 0x9E3779B97F4A7C15ull + 1;
    for (qint64 left = size; left > 0;) {
        auto* words = reinterpret_cast<quint64*>(block.data());
        for (qsizetype i = 0; i < block.size() / 8; ++i) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            words[i] = x;
        }
        const qint64 n = std::min<qint64>(left, block.size());
        if (f.write(block.constData(), n) != n) return false;
        left -= n;
    }
    return true;
}

qint64 cpuNs(const rusage& u) {
    return (qint64(u.ru_utime.tv_sec) + u.ru_stime.tv_sec) * 1'000'000'000 +
           (qint64(u.ru_utime.tv_usec) + u.ru_stime.tv_usec) * 1000;
}

// Runs a program to its end; its exit code (-1 when it could not run) and the processor time
// it took.
int run(const std::vector<std::string>& args, qint64* cpu = nullptr) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) return -1;
    if (cpu) *cpu = cpuNs(usage);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Package {
    QString path;
    QStringList files; // what it was made of, for cp
    qint64 bytes = 0;
};

// Three large files and 240 small ones of varied sizes, `total` bytes in all, packed.
bool makePackage(const QString& dir, qint64 total, Package* p) {
    QDir().mkpath(dir);
    const qint64 smallShare = total / 10;
    const qint64 large = (total - smallShare) / 3;
    for (int i = 0; i < 3; ++i) {
        p->files << dir + QStringLiteral("/large%1.wav").arg(i);
        if (!writeNoise(p->files.back(), large, i + 1)) return false;
        p->bytes += large;
    }
    constexpr int SmallFiles = 240;
    for (int i = 0; i < SmallFiles; ++i) {
        // From a few hundred bytes to about twice the mean, the same mix at every size.
        const qint64 size =
            300 + (smallShare / SmallFiles * 2 - 300) * ((i * 37) % SmallFiles) / SmallFiles;
        p->files << dir + QStringLiteral("/small%1.wav").arg(i);
        if (!writeNoise(p->files.back(), size, 100 + i)) return false;
        p->bytes += size;
    }
    p->path = dir + QStringLiteral(".pac");
    std::vector<std::string> args{TARNWICK_PACK, p->path.toStdString()};
    for (const QString& f : p->files)
        args.push_back(f.toStdString());
    return run(args) == 0;
}

// Unpacks every file as the game's start-up does; false when any file failed.
bool unpack(const QString& package, const QString& destination) {
    clsUnPackage u;
    u.Buffer(QStringLiteral("2048"));
    u.Package(package);
    u.Destination(destination);
    if (!u.Initialise()) return false;
    bool all = true;
    for (int i = 0; i < u.NumberOfFiles(); ++i)
        all = u.ExtractFile(u.GetFilename(i)) && all;
    return all;
}

void emptyFolder(const QString& dir) {
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    // What the previous round left to write out is not this round's cost.
    ::sync();
}

double mbPerSecond(qint64 bytes, qint64 ns) {
    return double(bytes) / MB / (double(ns) / 1e9);
}

qint64 ownCpuNs() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return cpuNs(u);
}

// The peak resident memory of this process so far, in kB: VmHWM is kept per address space,
// so a child measures itself alone (ru_maxrss of a child started by vfork counts its parent).
long peakKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toLong();
    return -1;
}

// Runs this program as the measured child and answers the peak it reports.
long childPeakKb(const char* mode, const QString& package, const QString& destination) {
    QProcess child;
    child.start(QStringLiteral("/proc/self/exe"), {QLatin1String(mode), package, destination});
    if (!child.waitForFinished(120'000) || child.exitCode() != 0) return -1;
    return child.readAllStandardOutput().trimmed().toLong();
}

struct Best {
    qint64 wall = -1;
    qint64 cpu = -1;
    void take(qint64 w, qint64 c) {
        wall = wall < 0 ? w : std::min(wall, w);
        cpu = cpu < 0 ? c : std::min(cpu, c);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // The child whose memory is measured: unpacks (or only reads the directory), then tells
    // its peak.
    if (argc == 4 && (std::string(argv[1]) == "--unpack" || std::string(argv[1]) == "--read")) {
        const QString package = QString::fromLocal8Bit(argv[2]);
        bool ok = true;
        if (std::string(argv[1]) == "--read") {
            clsUnPackage u;
            u.Package(package);
            ok = u.Initialise();
        } else {
            ok = unpack(package, QString::fromLocal8Bit(argv[3]));
        }
        std::printf("%ld\n", peakKb());
        return ok ? 0 : 1;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    Package big, small;
    std::printf("making the packages in %s ...\n", qPrintable(dir.path()));
    if (!makePackage(dir.filePath(QStringLiteral("big")), 200 * MB, &big) ||
        !makePackage(dir.filePath(QStringLiteral("small")), 20 * MB, &small)) {
        std::fprintf(stderr, "could not make the packages\n");
        return 1;
    }
    std::printf("package: %lld files, %.1f MB of contents; %d rounds, the best of each counts\n",
                qlonglong(big.files.size()), double(big.bytes) / MB, rounds);

    const QString out = dir.filePath(QStringLiteral("out"));
    std::vector<std::string> cp{"cp", "--"};
    for (const QString& f : big.files)
        cp.push_back(f.toStdString());
    cp.push_back(out.toStdString());
    Best unpacked, copied;
    for (int r = 0; r < rounds; ++r) {
        qint64 unpackNs = 0, cpNs = 0;
        // Taking turns at going first, so that neither always follows the other's writes.
        for (int turn = 0; turn < 2; ++turn) {
            emptyFolder(out);
            QElapsedTimer t;
            if ((turn + r) % 2 == 0) {
                const qint64 cpuBefore = ownCpuNs();
                t.start();
                if (!unpack(big.path, out)) {
                    std::fprintf(stderr, "unpacking failed\n");
                    return 1;
                }
                unpackNs = t.nsecsElapsed();
                unpacked.take(unpackNs, ownCpuNs() - cpuBefore);
            } else {
                qint64 cpCpu = 0;
                t.start();
                if (run(cp, &cpCpu) != 0) {
                    std::fprintf(stderr, "cp failed\n");
                    return 1;
                }
                cpNs = t.nsecsElapsed();
                copied.take(cpNs, cpCpu);
            }
        }
        std::printf("round %d: unpack %7.1f MB/s, cp %7.1f MB/s\n", r + 1,
                    mbPerSecond(big.bytes, unpackNs), mbPerSecond(big.bytes, cpNs));
    }
    const double unpackRate = mbPerSecond(big.bytes, unpacked.wall);
    const double cpRate = mbPerSecond(big.bytes, copied.wall);
    std::printf("best: unpack %.1f MB/s (%.0f ms, %.0f ms of processor), cp %.1f MB/s (%.0f ms, "
                "%.0f ms of processor)\n",
                unpackRate, unpacked.wall / 1e6, unpacked.cpu / 1e6, cpRate, copied.wall / 1e6,
                copied.cpu / 1e6);
    std::printf("throughput ratio unpack/cp: %.2fx (target >= 0.80x); by processor time %.2fx\n",
                unpackRate / cpRate, double(copied.cpu) / double(unpacked.cpu));

    for (const Package* p : {&small, &big}) {
        emptyFolder(out);
        const long readKb = childPeakKb("--read", p->path, out);
        const long unpackKb = childPeakKb("--unpack", p->path, out);
        if (readKb < 0 || unpackKb < 0) {
            std::fprintf(stderr, "the measuring process failed\n");
            return 1;
        }
        std::printf("peak RSS unpacking %3.0f MB: %.1f MB (reading the directory only: %.1f MB, "
                    "difference %+.2f MB)\n",
                    double(p->bytes) / MB, unpackKb / 1024.0, readKb / 1024.0,
                    (unpackKb - readKb) / 1024.0);
    }
    QDir(out).removeRecursively();
    return 0;
}
