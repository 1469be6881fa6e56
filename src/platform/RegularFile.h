#pragma once
// The files the program reads or appends to, opened without ever blocking and used only when
// they are regular files: a fifo, a device or a directory in their place reads as missing, and a
// file larger than the caller's bound is not read at all.
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

enum class FileState { Regular, Missing, NotRegular, TooLarge, Unreadable };

// Tells one version of a file from another without reading it: which file it is, its size and
// when it last changed.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct FileRead {
    FileState state = FileState::Missing;
    QByteArray bytes; // the whole file when Regular
    FileStamp stamp;  // of the file opened, taken before reading it (Regular or TooLarge)
};

// Reads the whole file when it is a regular file of at most maxBytes.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// Appends to the file, creating it when missing; false when it is not a regular file or the
// bytes could not all be written.
bool appendToRegularFile(const QString& path, const QByteArray& bytes);

// What lies at the path, following links, without opening it.
FileState fileState(const QString& path);

// The stamp of the regular file at the path, following links, without opening it.
std::optional<FileStamp> regularFileStamp(const QString& path);

} // namespace platform
