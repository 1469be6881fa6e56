#pragma once
// Where the program's modules (the sound player, the mail transfer) lie: in folders the build
// fixed relative to the executable, never taken from a file or the environment, for whatever
// lies there runs inside the game.
#include <QLibrary>
#include <QString>
#include <QStringList>

namespace platform {

// Beside the executable as the build lays it out, then where an installation puts it.
QStringList modulePaths(const QString& fileName);
// The first of modulePaths that exists, else the first.
QString modulePath(const QString& fileName);

// Loads the module at `path` with every symbol resolved and finds `factory` in it. Null, with
// `problem` saying why, when that fails.
QFunctionPointer loadModule(QLibrary& library, const QString& path, const char* factory,
                            const QString& what, QString* problem);

} // namespace platform
