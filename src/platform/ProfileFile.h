#pragma once
// Our emulation of the desktop's profile-file calls: sections in brackets, "key=value" lines.
// A lookup sees the file as it is now (a copy of its text is reused only while the file is
// unchanged); a write replaces the file atomically and changes only the line of its key.
#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace profile {

// Longest value a read returns; longer values are cut.
inline constexpr int MaxValueLength = 1023;

// Largest profile file read or written, far above any real one: a larger file reads as empty and
// is never replaced, so nothing in it is lost and no read costs more than this.
inline constexpr qint64 MaxFileSize = 8 * 1024 * 1024;

// The value of `key` in `section`, or "" when the file, section or key is missing. Only a
// regular file is read: a fifo, a device or a directory reads as missing.
QString readString(const QString& section, const QString& key, const QString& path);

// The same lookup in a file's text already in memory.
QString readStringIn(const QString& content, const QString& section, const QString& key);

// Writes one value, creating the file, section or key when needed. False when the file
// could not be replaced (read-only file, missing directory, full disk, not a regular file, a
// loop of links, a file over MaxFileSize before or after); the old file is then untouched. A file
// reached through symbolic links is replaced at the end of the chain, every link kept.
bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& path);

// Several values written with one replacement of the file, in order, as if by writeString
// each: all of them are stored or none.
struct Write {
    QString section;
    QString key;
    QString value;
};
bool writeStrings(const QList<Write>& writes, const QString& path);

// What a read returns once `value` has been written: one line, blanks and quotes around it
// dropped, cut to MaxValueLength.
QString asRead(const QString& value);

// Tells the player about a profile file over MaxFileSize, at most once per path and run. An
// empty reporter (the default) writes a warning to the log output.
using OversizeReporter = std::function<void(const QString& path)>;
void setOversizeReporter(OversizeReporter reporter);

// Removes what killed writes left beside the file, and beside the end of the chain of links it
// may be, where writes go: "<file name>.XXXXXX" (mkstemp's six letters and digits), only
// regular files of this user untouched for a minute, never following a link. Returns how many
// were removed.
int removeStaleTemporaries(const QString& path);

// How many times this process has replaced a profile file, for tests and benchmarks that count
// the writes of one event.
qint64 replacements();
// How many times this process has read and decoded a profile file for lookups, for tests and
// benchmarks that check the text kept of a file is reused.
qint64 fileReads();

// Text of a profile file's bytes: UTF-16 after its byte-order mark; UTF-8 when valid (a
// byte-order mark dropped); otherwise Windows-1252.
QString decode(const QByteArray& bytes);
bool isUtf8(const QByteArray& bytes);
// UTF-8 with a byte-order mark, which a write keeps.
bool hasUtf8Bom(const QByteArray& bytes);

} // namespace profile
