#pragma once
// Replacing a profile file as a whole: the new file written beside it and renamed over it. Used
// by the writes of ProfileFile.
#include <QByteArray>
#include <QString>

namespace profile::detail {

// Writes `bytes` to a new file beside `path` and renames it over `path`, keeping the old
// file's permission bits. Any failure removes the new file and leaves the old one as it was.
bool replaceFile(const QString& path, const QByteArray& bytes);

} // namespace profile::detail
