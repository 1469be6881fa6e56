#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

FileStamp stampOf(const struct stat& st) {
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// Opens without blocking (a fifo with no writer would hold open() forever) and keeps the
// descriptor only for a regular file.
int openRegular(const QString& path, int flags, FileState* state, struct stat* st) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        *state = errno == ENOENT  ? FileState::Missing
                 : errno == ENXIO ? FileState::NotRegular // a fifo without a reader
                                  : FileState::Unreadable;
        return -1;
    }
    if (::fstat(fd, st) != 0 || !S_ISREG(st->st_mode)) {
        *state = FileState::NotRegular;
        ::close(fd);
        return -1;
    }
    // Reads and writes of a regular file never block anyway; drop the flag all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *state = FileState::Regular;
    return fd;
}

} // namespace

FileRead readRegularFile(const QString& path, qint64 maxBytes) {
    FileRead r;
    struct stat st {};
    const int fd = openRegular(path, O_RDONLY, &r.state, &st);
    if (fd < 0) return r;
    r.stamp = stampOf(st);
    if (st.st_size > maxBytes) {
        r.state = FileState::TooLarge;
        ::close(fd);
        return r;
    }
    r.bytes.resize(qsizetype(st.st_size));
    qsizetype done = 0;
    while (done < r.bytes.size()) {
        const ssize_t n = ::read(fd, r.bytes.data() + done, size_t(r.bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            r.state = FileState::Unreadable;
            break;
        }
        if (n == 0) break; // the file shrank while it was read
        done += n;
    }
    r.bytes.truncate(done);
    ::close(fd);
    if (r.state != FileState::Regular) r.bytes.clear();
    return r;
}

bool appendToRegularFile(const QString& path, const QByteArray& bytes) {
    FileState state = FileState::Missing;
    struct stat st {};
    const int fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT, &state, &st);
    if (fd < 0) return false;
    bool ok = true;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        done += n;
    }
    return (::close(fd) == 0) && ok;
}

FileState fileState(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    return S_ISREG(st.st_mode) ? FileState::Regular : FileState::NotRegular;
}

std::optional<FileStamp> regularFileStamp(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return stampOf(st);
}

} // namespace platform
