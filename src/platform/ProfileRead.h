#pragma once
// Reading profile files: whole, and only up to MaxFileSize. Used by ProfileFile; like every
// profile call, GUI thread only.
#include "platform/RegularFile.h"

#include <QString>

namespace profile::detail {

// The whole file when it is a regular file of at most MaxFileSize bytes. A larger one reads as
// TooLarge and is reported, once per path.
platform::FileRead readBounded(const QString& path);

} // namespace profile::detail
