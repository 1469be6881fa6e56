#pragma once
// What the desktop may be asked to open. Web addresses come from Tarn.ini, which anyone can
// edit, and the desktop's opener starts programs for some kinds of address (a desktop entry, an
// executable file, a custom scheme), so only two kinds are opened: a web page, and a local file
// named by its absolute path, which the game only ever builds from its own directory.
#include <QString>
#include <QUrl>

namespace platform {

// An http or https address as it stands (blanks and quotes are encoded, nothing is split), or
// a file URL for an absolute path; an invalid URL for anything else, which is not opened.
QUrl desktopUrl(const QString& addressOrPath);

} // namespace platform
