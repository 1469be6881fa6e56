#include "platform/ProfileReplace.h"

#include "platform/ProfileFile.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

std::atomic<qint64> replaced{0};

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int MaxLinks = 40;

// mkstemp's six characters.
constexpr int TemporarySuffix = 6;

bool isTemporaryName(const char* name, const QByteArray& of) {
    const auto length = qsizetype(std::strlen(name));
    if (length != of.size() + 1 + TemporarySuffix ||
        std::strncmp(name, of.constData(), size_t(of.size())) != 0 || name[of.size()] != '.')
        return false;
    for (const char* c = name + of.size() + 1; *c; ++c)
        if (!((*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') || (*c >= '0' && *c <= '9')))
            return false;
    return true;
}

} // namespace

namespace detail {

std::optional<QByteArray> finalTarget(const QString& path) {
    QByteArray current = QFile::encodeName(path);
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat st {};
        if (::lstat(current.constData(), &st) != 0)
            return errno == ENOENT ? std::optional(current) : std::nullopt;
        if (!S_ISLNK(st.st_mode)) return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.constData(), target.data(), size_t(target.size()));
        if (n <= 0 || n >= target.size()) return std::nullopt;
        target.truncate(n);
        // A relative link starts from its own folder. The name is kept as bytes and the folder as
        // written, not tidied, so that it names what the kernel would find.
        if (!target.startsWith('/')) {
            const qsizetype slash = current.lastIndexOf('/');
            target.prepend(current.left(slash + 1));
        }
        current = target;
    }
    return std::nullopt;
}

bool replaceFile(const QByteArray& target, const QByteArray& bytes) {
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        // A read-only file stays read-only even for a user who could replace it.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    QByteArray tmpName = target + ".XXXXXX";
    const int fd = ::mkstemp(tmpName.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, mode) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t w = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (w < 0 && errno == EINTR) continue;
        ok = w > 0;
        done += w;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmpName.constData(), target.constData()) == 0;
    if (!ok) ::unlink(tmpName.constData());
    if (ok) replaced.fetch_add(1, std::memory_order_relaxed);
    return ok;
}

} // namespace detail

qint64 replacements() {
    return replaced.load(std::memory_order_relaxed);
}

namespace {
int removeStaleBeside(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : path.left(slash);
    if (name.isEmpty()) return 0;
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return 0;
    const time_t before = ::time(nullptr) - 60;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name, name)) continue;
        // Only what a killed write of ours leaves: our own regular file, not written to for a
        // minute. A link is looked at, never followed; anything else stays.
        struct stat st {};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_mtime >= before) continue;
        if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}
} // namespace

int removeStaleTemporaries(const QString& path) {
    const QByteArray named = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    int removed = removeStaleBeside(named);
    // Writes go to the end of a chain of links, and so do their leftovers.
    const std::optional<QByteArray> end = detail::finalTarget(path);
    if (end && *end != named) removed += removeStaleBeside(*end);
    return removed;
}

} // namespace profile
