// Times GetINI and SetINI on a language-sized profile file of about 100 keys, lookups in a 5 MB
// profile file, and one lookup in a 1 GB sparse one.
#include "core/Profile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

bool writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// A file last changed an hour ago, as Tarn.ini is when the game starts.
bool backdate(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadWrite) &&
           f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                         QFileDevice::FileModificationTime);
}

double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long peakRssMiB() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

int smallFile(const QString& path) {
    QByteArray content = "[Info]\r\nInternational=English\r\nNational=English\r\n[Language]\r\n";
    for (int i = 1; i <= 100; ++i)
        content += "k" + QByteArray::number(i) + "=A text of a language file, number " +
                   QByteArray::number(i) + "\r\n";
    if (!writeFile(path, content)) return 1;

    constexpr int Rounds = 20;
    qint64 best = -1, sum = 0;
    // Just written, the file is read again at each lookup; an hour old, as language files are
    // when the game runs, its text is read once.
    for (const char* age : {"changed just now", "unchanged for an hour"}) {
        if (std::strcmp(age, "changed just now") != 0 && !backdate(path)) return 1;
        best = -1;
        sum = 0;
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer t;
            t.start();
            for (int i = 1; i <= 100; ++i)
                if (GetINI(QStringLiteral("Language"), QStringLiteral("k%1").arg(i), path)
                        .isEmpty())
                    return 1;
            const qint64 ns = t.nsecsElapsed();
            sum += ns;
            best = best < 0 ? ns : std::min(best, ns);
        }
        std::printf("100 GetINI lookups (100-key file, %s): best %.3f ms, mean %.3f ms over %d "
                    "rounds\n",
                    age, best / 1e6, sum / 1e6 / Rounds, Rounds);
    }

    best = -1;
    sum = 0;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer t;
        t.start();
        if (!SetINI(QStringLiteral("Language"), QStringLiteral("k50"),
                    QStringLiteral("Value %1").arg(round), path))
            return 1;
        const qint64 ns = t.nsecsElapsed();
        sum += ns;
        best = best < 0 ? ns : std::min(best, ns);
    }
    std::printf("1 SetINI (100-key file, atomic replace with fsync): best %.3f ms, mean %.3f ms\n",
                best / 1e6, sum / 1e6 / Rounds);
    return 0;
}

// 5,000 sections of 20 keys each in Windows-1252, then Tarn.ini's own sections: about 5 MB that
// every lookup must cross and that is not UTF-8.
int largeFile(const QString& path) {
    QByteArray content;
    for (int s = 1; s <= 5000; ++s) {
        content += "[Fill\xE9r" + QByteArray::number(s) + "]\r\n";
        for (int k = 1; k <= 20; ++k)
            content += "key" + QByteArray::number(k) + "=" + QByteArray(40, '\xE9') + "\r\n";
    }
    content += "[Options]\r\nPlaySound=Yes\r\nShowTime=Yes\r\n[Users]\r\nantal=1\r\n"
               "user1=Ann\r\n[Highscore]\r\n";
    for (int i = 1; i <= 10; ++i)
        content += "p" + QByteArray::number(i) + "=" + QByteArray::number(1000 - i) + "\r\n";
    content += "[Session]\r\ntotal=17\r\n";
    if (!writeFile(path, content) || !backdate(path)) return 1;

    // Two keys asked over and over, a thousand different keys of a section the file lacks, and
    // keys asked right after the file changed.
    struct Case {
        const char* what;
        int lookups;
        bool justChanged;
        QString (*section)(int);
        QString (*key)(int);
        bool found;
    };
    const Case cases[] = {
        {"2 keys present", 1000, false, [](int) { return QStringLiteral("Options"); },
         [](int i) { return i % 2 ? QStringLiteral("PlaySound") : QStringLiteral("ShowTime"); },
         true},
        {"1000 keys of a section that is not there", 1000, false,
         [](int) { return QStringLiteral("Alarm"); },
         [](int i) { return QStringLiteral("key%1").arg(i); }, false},
        {"2 keys present, file changed just now", 100, true,
         [](int) { return QStringLiteral("Options"); },
         [](int i) { return i % 2 ? QStringLiteral("PlaySound") : QStringLiteral("ShowTime"); },
         true}};
    for (const Case& c : cases) {
        if (c.justChanged && !writeFile(path, content)) return 1;
        const double cpu = cpuSeconds();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < c.lookups; ++i)
            if (GetINI(c.section(i), c.key(i), path).isEmpty() == c.found) return 1;
        std::printf("%d GetINI lookups (%.1f MB file, %s): %.3f s wall, %.3f s CPU\n", c.lookups,
                    content.size() / 1e6, c.what, t.nsecsElapsed() / 1e9, cpuSeconds() - cpu);
    }
    std::printf("  peak RSS so far: %ld MiB\n", peakRssMiB());
    return 0;
}

// A file that claims 1 GB but holds a few bytes: sparse, made as truncate makes it.
int sparseFile(const QString& path) {
    if (!writeFile(path, "[Options]\r\nPlaySound=Yes\r\n")) return 1;
    QFile f(path);
    if (!f.resize(qint64(1) << 30)) return 1;
    const long rssBefore = peakRssMiB();
    const double cpu = cpuSeconds();
    QElapsedTimer t;
    t.start();
    const QString value = GetINI(QStringLiteral("Options"), QStringLiteral("PlaySound"), path);
    std::printf("1 GetINI lookup (1 GiB sparse file): %.3f s wall, %.3f s CPU, value \"%s\", "
                "peak RSS %ld -> %ld MiB\n",
                t.nsecsElapsed() / 1e9, cpuSeconds() - cpu, qPrintable(value), rssBefore,
                peakRssMiB());
    QFile::remove(path);
    return 0;
}

} // namespace

int main() {
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    if (const int r = smallFile(dir.filePath(QStringLiteral("English.lan")))) return r;
    if (const int r = largeFile(dir.filePath(QStringLiteral("Large.ini")))) return r;
    return sparseFile(dir.filePath(QStringLiteral("Sparse.ini")));
}
