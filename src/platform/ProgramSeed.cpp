#include "platform/ProgramSeed.h"

#include "platform/FileNames.h"
#include "platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QString TempPrefix = QStringLiteral(".seeding-");
// The stamp names a handful of files; anything larger is not ours and reads as no stamp.
constexpr qint64 MaxStampBytes = qint64(64) * 1024;
constexpr size_t Chunk = size_t(64) * 1024;

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

bool exists(const QString& path) {
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0;
}

// Streams a regular file (never a link: the player's copy is judged as it lies) into a hash.
std::optional<QByteArray> hashOf(const QString& path) {
    const int fd =
        ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> result;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QByteArray buffer(qsizetype(Chunk), Qt::Uninitialized);
        for (;;) {
            const ssize_t n = ::read(fd, buffer.data(), Chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            if (n == 0) {
                result = hash.result().toHex();
                break;
            }
            hash.addData(QByteArrayView(buffer.constData(), n));
        }
    }
    ::close(fd);
    return result;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Writes a file in dir under a temporary name, filled by `fill`, and renames it to `name`.
// Returns "" or the problem.
template <typename Fill>
QString replaceAtomically(const QString& dir, const QString& name, Fill fill) {
    const QString temp = dir + QLatin1Char('/') + TempPrefix + name;
    const QByteArray tempName = encoded(temp);
    ::unlink(tempName.constData());
    const int fd =
        ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return QStringLiteral("cannot create %1: %2").arg(temp, errorText(errno));
    QString problem = fill(fd);
    if (problem.isEmpty() && ::fsync(fd) != 0)
        problem = QStringLiteral("cannot write %1: %2").arg(temp, errorText(errno));
    if (::close(fd) != 0 && problem.isEmpty())
        problem = QStringLiteral("cannot write %1: %2").arg(temp, errorText(errno));
    // rename replaces whatever lies at the name, a link included, and never what it points to.
    const QString target = dir + QLatin1Char('/') + name;
    if (problem.isEmpty() && ::rename(tempName.constData(), encoded(target).constData()) != 0)
        problem = QStringLiteral("cannot replace %1: %2").arg(target, errorText(errno));
    if (!problem.isEmpty()) ::unlink(tempName.constData());
    return problem;
}

// Copies the installed file into dir, streaming it, and gives the hash of what was copied.
QString copyIn(const QString& source, const QString& dir, const QString& name,
               QByteArray* hashHex) {
    const int in = ::open(encoded(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) return QStringLiteral("cannot read %1: %2").arg(source, errorText(errno));
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return QStringLiteral("%1 is not a regular file").arg(source);
    }
    QString problem = replaceAtomically(dir, name, [&](int out) -> QString {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QByteArray buffer(qsizetype(Chunk), Qt::Uninitialized);
        for (;;) {
            const ssize_t n = ::read(in, buffer.data(), Chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return QStringLiteral("cannot read %1: %2").arg(source, errorText(errno));
            if (n == 0) break;
            if (!writeAll(out, buffer.constData(), size_t(n)))
                return QStringLiteral("cannot write %1: %2")
                    .arg(dir + QLatin1Char('/') + name, errorText(errno));
            hash.addData(QByteArrayView(buffer.constData(), n));
        }
        *hashHex = hash.result().toHex();
        return QString();
    });
    ::close(in);
    return problem;
}

// Hidden files are never shipped.
bool isPlainName(const QString& name) {
    return !name.startsWith(QLatin1Char('.')) && isSafeName(name);
}

// name -> hash of what was copied. A damaged line is skipped: its file then counts as the
// player's and is left alone, the safe side.
QMap<QString, QByteArray> readStamp(const QString& path) {
    QMap<QString, QByteArray> stamp;
    const FileRead r = readRegularFile(path, MaxStampBytes);
    if (r.state != FileState::Regular) return stamp;
    for (const QByteArray& line : r.bytes.split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space != 64) continue;
        const QByteArray hex = line.left(space);
        const QString name = QString::fromUtf8(line.mid(space + 1));
        if (QByteArray::fromHex(hex).size() != 32 || !isPlainName(name)) continue;
        stamp.insert(name, hex.toLower());
    }
    return stamp;
}

QByteArray stampText(const QMap<QString, QByteArray>& stamp) {
    QByteArray text;
    for (auto it = stamp.cbegin(); it != stamp.cend(); ++it)
        text += it.value() + ' ' + it.key().toUtf8() + '\n';
    return text;
}

} // namespace

bool isShippedName(const QString& name) {
    if (!isPlainName(name)) return false;
    if (name == QLatin1String("Tarn.ini")) return true;
    // Only data: never the executable, a library or anything else that could end up run.
    for (const char* suffix : {".lan", ".pac", ".wav", ".txt"})
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) return true;
    return false;
}

QString makeWritableDir(const QString& dir) {
    const QString clean = QDir::cleanPath(dir);
    if (!QDir::isAbsolutePath(clean)) return QStringLiteral("%1 is not an absolute path").arg(dir);
    QString path;
    for (const QString& part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        if (::mkdir(encoded(path).constData(), 0700) == 0 || errno == EEXIST) continue;
        const int error = errno;
        // Some file systems refuse to make what already exists with another reason than EEXIST.
        struct stat st {};
        if (::stat(encoded(path).constData(), &st) == 0 && S_ISDIR(st.st_mode)) continue;
        return QStringLiteral("cannot create %1: %2").arg(path, errorText(error));
    }
    struct stat st {};
    if (::stat(encoded(clean).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return QStringLiteral("%1 is not a folder").arg(clean);
    // Permissions alone do not tell (a read-only file system, a full disk): try a file.
    QByteArray probe = encoded(clean + QStringLiteral("/.probe-XXXXXX"));
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return QStringLiteral("cannot write in %1: %2").arg(clean, errorText(errno));
    ::close(fd);
    ::unlink(probe.constData());
    return QString();
}

SeedResult seedProgramDir(const QString& dataDir, const QString& dir) {
    SeedResult result;
    // What a start killed half-way left behind.
    const QDir target(dir);
    for (const QString& stale : target.entryList({TempPrefix + QLatin1Char('*')},
                                                 QDir::Files | QDir::Hidden | QDir::System))
        ::unlink(encoded(target.filePath(stale)).constData());

    const QString stampPath = target.filePath(shippedStampName());
    const QMap<QString, QByteArray> before = readStamp(stampPath);
    QMap<QString, QByteArray> after;
    const QDir source(dataDir);
    for (const QString& name : source.entryList(QDir::Files, QDir::Name)) {
        if (!isShippedName(name)) continue;
        const QString mine = target.filePath(name);
        const bool present = exists(mine);
        // The player's profile: laid down once, then theirs alone.
        if (name == QLatin1String("Tarn.ini")) {
            if (present) continue;
        } else if (present) {
            const auto recorded = before.constFind(name);
            const std::optional<QByteArray> shipped = hashOf(source.filePath(name));
            if (!shipped) {
                result.problem = QStringLiteral("cannot read %1").arg(source.filePath(name));
                return result;
            }
            if (recorded != before.cend()) {
                after.insert(name, *recorded);
                if (*recorded == *shipped) continue;
            } else {
                // Not copied by us, or copied by a start killed before it wrote the stamp: the
                // same bytes as shipped make it ours, anything else is the player's.
                if (hashOf(mine) == shipped) after.insert(name, *shipped);
                continue;
            }
        }
        QByteArray copiedHash;
        const QString problem = copyIn(source.filePath(name), dir, name, &copiedHash);
        if (!problem.isEmpty()) {
            result.problem = problem;
            return result;
        }
        if (name != QLatin1String("Tarn.ini")) after.insert(name, copiedHash);
        result.copied << name;
    }

    const QByteArray text = stampText(after);
    const FileRead old = readRegularFile(stampPath, MaxStampBytes);
    if (old.state != FileState::Regular || old.bytes != text) {
        const QString problem = replaceAtomically(dir, shippedStampName(), [&](int fd) {
            return writeAll(fd, text.constData(), size_t(text.size()))
                       ? QString()
                       : QStringLiteral("cannot write %1: %2").arg(stampPath, errorText(errno));
        });
        if (!problem.isEmpty()) {
            result.problem = problem;
            return result;
        }
    }
    result.ok = true;
    return result;
}

} // namespace platform
