#pragma once
// Reading profile files: whole, only up to MaxFileSize, and for lookups decoded once and kept
// while the file is unchanged. Used by ProfileFile; like every profile call, GUI thread only.
#include "platform/RegularFile.h"

#include <QString>

namespace profile::detail {

// The whole file when it is a regular file of at most MaxFileSize bytes. A larger one reads as
// TooLarge and is reported, once per path.
platform::FileRead readBounded(const QString& path);

// The value of `key` in `section` of the file, looked up in the text kept from an earlier read
// while the file's identity, size and change time are as they were then.
QString cachedLookup(const QString& path, const QString& section, const QString& key);

// Drops the text kept of the file, once a write has replaced it.
void forget(const QString& path);

} // namespace profile::detail
