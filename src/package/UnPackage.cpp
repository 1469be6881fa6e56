#include "package/UnPackage.h"

#include "package/PackageFormat.h"
#include "platform/Cp1252.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file is copied in chunks of the buffer size, moved a block of whole chunks at a time: a
// read and a write per 2 KB chunk made unpacking several times slower than cp, and so did
// gathering the chunks through stdio's buffers (two more copies of every byte). The block is
// about a megabyte whatever the file's size.
constexpr qint64 BlockTarget = qint64(1024) * 1024;

bool readAt(int fd, qint64 offset, void* to, size_t bytes) {
    auto* at = static_cast<char*>(to);
    while (bytes > 0) {
        const ssize_t n = ::pread(fd, at, bytes, off_t(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        offset += n;
        bytes -= size_t(n);
    }
    return true;
}

QString nameFromCp1252(const unsigned char* bytes, int length) {
    QString name(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        name[i] = QChar(cp1252::toUnicode(bytes[i]));
    return name;
}

bool writeAll(int fd, const char* from, size_t bytes) {
    while (bytes > 0) {
        const ssize_t n = ::write(fd, from, bytes);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        from += n;
        bytes -= size_t(n);
    }
    return true;
}

} // namespace

clsUnPackage::~clsUnPackage() {
    close();
}

void clsUnPackage::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void clsUnPackage::Package(const QString& path) {
    package_ = path;
}

void clsUnPackage::Destination(const QString& dir) {
    qsizetype end = dir.size();
    while (end > 0 && dir[end - 1] == QLatin1Char(' '))
        --end;
    destination_ = dir.left(end);
    if (!destination_.endsWith(QLatin1Char('/'))) destination_ += QLatin1Char('/');
}

void clsUnPackage::Buffer(const QString& size) {
    // A 16-bit number, so 32767 at most. A negative size or one that does not fit is no more
    // a buffer than 0 is, and gets the same default.
    bool ok = false;
    const short n = size.toShort(&ok);
    bufferSize_ = ok && n > 0 ? n : DefaultBuffer;
}

bool clsUnPackage::Initialise() {
    close();
    names_.clear();
    offsets_.clear();
    sizes_.clear();

    // Without blocking: a fifo in the package's place would hold open() forever.
    const int fd =
        ::open(QFile::encodeName(package_).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    // The directory and the names are small whatever the file claims: at most 255 entries of
    // at most 255 bytes each.
    unsigned char header[package::HeaderSize];
    unsigned char directory[package::MaxFiles * package::EntrySize];
    if (!readAt(fd, 0, header, sizeof header) ||
        std::memcmp(header, package::Magic, sizeof package::Magic) != 0) {
        ::close(fd);
        return false;
    }
    const int count = header[package::CountOffset];
    const size_t directoryBytes = size_t(count) * package::EntrySize;
    if (count == 0 || !readAt(fd, package::HeaderSize, directory, directoryBytes)) {
        ::close(fd);
        return false;
    }
    size_t nameBytes = 0;
    for (int i = 0; i < count; ++i)
        nameBytes += directory[size_t(i) * package::EntrySize];
    const qint64 namesAt = package::HeaderSize + qint64(directoryBytes);
    QByteArray names(qsizetype(nameBytes), Qt::Uninitialized);
    if (!readAt(fd, namesAt, names.data(), nameBytes)) {
        ::close(fd);
        return false;
    }

    // Every size must be whole and every file must lie within the package as it really is.
    QStringList found;
    QList<qint64> offsets;
    QList<qint64> sizes;
    qint64 at = namesAt + qint64(nameBytes);
    size_t nameAt = 0;
    for (int i = 0; i < count; ++i) {
        const unsigned char* entry = directory + size_t(i) * package::EntrySize;
        const int length = entry[0];
        const qint64 size = package::readInt32(entry + 1);
        if (size < 0 || size > qint64(st.st_size) - at) {
            ::close(fd);
            return false;
        }
        found << nameFromCp1252(reinterpret_cast<const unsigned char*>(names.constData()) + nameAt,
                                length);
        offsets << at;
        sizes << size;
        nameAt += size_t(length);
        at += size;
    }
    fd_ = fd;
    names_ = std::move(found);
    offsets_ = std::move(offsets);
    sizes_ = std::move(sizes);
    return true;
}

QString clsUnPackage::GetFilename(int bFileNumber) const {
    if (bFileNumber < 0 || bFileNumber >= names_.size()) return QStringLiteral("1");
    return names_[bFileNumber];
}

bool clsUnPackage::ExtractFile(const QString& sFilename) {
    if (names_.isEmpty()) Initialise();
    if (!isSafeName(sFilename)) return false;
    // Every entry is compared: a later file of the same name wins.
    qsizetype found = -1;
    for (qsizetype i = 0; i < names_.size(); ++i)
        if (names_[i].compare(sFilename, Qt::CaseInsensitive) == 0) found = i;
    if (found < 0 || !isSafeName(names_[found])) return false;
    return copyOut(offsets_[found], sizes_[found], QFile::encodeName(destination_ + sFilename));
}

bool clsUnPackage::copyOut(qint64 offset, qint64 size, const QByteArray& target) {
    // Kept for the next file: a package of many small files would otherwise pay for fresh
    // pages at every one.
    const qint64 blockBytes = bufferSize_ * std::max<qint64>(1, BlockTarget / bufferSize_);
    if (blockBytes_ != blockBytes) {
        block_ = std::make_unique_for_overwrite<char[]>(size_t(blockBytes));
        blockBytes_ = blockBytes;
    }

    // A name of our own beside the target, short so that a long target name still fits.
    QByteArray temporary = QFile::encodeName(destination_) + ".unpacking.XXXXXX";
    const int out = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (out < 0) return false;
    bool ok = ::fchmod(out, 0644) == 0;
    for (qint64 left = size; ok && left > 0;) {
        const auto n = size_t(std::min(left, blockBytes)); // the last chunk may be shorter
        ok = readAt(fd_, offset, block_.get(), n) && writeAll(out, block_.get(), n);
        offset += qint64(n);
        left -= qint64(n);
    }
    // No fsync: the files are unpacked afresh at every start, so a copy lost to a crash costs
    // nothing, and waiting for the disk would make every start slower.
    ok = (::close(out) == 0) && ok;
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) ::unlink(temporary.constData());
    return ok;
}

bool clsUnPackage::Remove(const QString& sFilename) {
    if (!isSafeName(sFilename)) return false;
    return ::unlink(QFile::encodeName(destination_ + sFilename).constData()) == 0;
}
