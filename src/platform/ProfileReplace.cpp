#include "platform/ProfileReplace.h"

#include "platform/ProfileFile.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

std::atomic<qint64> replaced{0};

} // namespace

namespace detail {

bool replaceFile(const QString& path, const QByteArray& bytes) {
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) target = info.symLinkTarget();

    mode_t mode = 0644;
    struct stat st {};
    const QByteArray targetName = QFile::encodeName(target);
    if (::stat(targetName.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        // A read-only file stays read-only even for a user who could replace it.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    QByteArray tmpName = targetName + ".XXXXXX";
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
    ok = ok && ::rename(tmpName.constData(), targetName.constData()) == 0;
    if (!ok) ::unlink(tmpName.constData());
    if (ok) replaced.fetch_add(1, std::memory_order_relaxed);
    return ok;
}

} // namespace detail

qint64 replacements() {
    return replaced.load(std::memory_order_relaxed);
}

} // namespace profile
