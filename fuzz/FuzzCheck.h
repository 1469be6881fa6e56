#pragma once
// What the harnesses share: a file of their own per process, and checks that stop the run so
// that libFuzzer keeps the input that broke them.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace fuzz {

// Aborts with the reason when `ok` is false; libFuzzer reports the abort as a crash.
inline void check(bool ok, const char* what, const QString& detail = {}) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

// The UTF-16 code units of a text in hexadecimal, where damage would not show as text.
inline QString units(const QString& text) {
    QString out;
    for (const QChar c : text)
        out += QString::number(c.unicode(), 16).rightJustified(4, QLatin1Char('0')) + ' ';
    return out;
}

// A folder made once per process and removed at its end; in memory where the system has such a
// folder, since every write of a profile file waits for the disk.
inline const QTemporaryDir& scratch() {
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/tarnwick-fuzz-XXXXXX")
                                       : QDir::tempPath() +
                                             QStringLiteral("/tarnwick-fuzz-XXXXXX"));
    check(dir.isValid(), "no temporary folder");
    return dir;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
          "cannot write the input's file", path);
}

// Dates the file an hour back, a nanosecond later at each call: the reader then trusts its kept
// copy of an unchanged file without comparing bytes, and every input still has a stamp of its own.
inline void dateBack(const QString& path) {
    static qint64 calls = 0;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const timespec when{now.tv_sec - 3600, long(++calls % 1'000'000'000)};
    const timespec times[2] = {when, when};
    check(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0,
          "cannot date the input's file", path);
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What any lookup returns, whatever the file holds: one line, at most MaxValueLength long.
inline void checkValue(const QString& value, int maxLength) {
    check(value.size() <= maxLength, "a value longer than a read returns", value);
    check(!value.contains(QLatin1Char('\r')) && !value.contains(QLatin1Char('\n')),
          "a value spanning lines", value);
}

} // namespace fuzz
