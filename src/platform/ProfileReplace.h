#pragma once
// Replacing a profile file as a whole: the file a write lands in, and the new file renamed over
// it. Used by the writes of ProfileFile.
#include <QByteArray>
#include <QString>

#include <optional>

namespace profile::detail {

// The file a write to `path` replaces, as the bytes of its name: the end of its chain of symbolic
// links, so that every link stays as it is. A missing end is the file to create. Nothing when the
// chain loops, runs too long or a link cannot be read.
std::optional<QByteArray> finalTarget(const QString& path);

// Writes `bytes` to a new file beside `target` and renames it over `target`, keeping the old
// file's permission bits. Any failure removes the new file and leaves the old one as it was.
bool replaceFile(const QByteArray& target, const QByteArray& bytes);

} // namespace profile::detail
