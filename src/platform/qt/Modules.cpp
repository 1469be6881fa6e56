#include "platform/qt/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QStringList modulePaths(const QString& fileName) {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (programDir.isEmpty()) return {};
    QStringList paths;
    for (const QString& folder : {QStringLiteral(TARNWICK_SOUND_MODULE_DIR),
                                  QStringLiteral(TARNWICK_INSTALLED_SOUND_MODULE_DIR)}) {
        const QString path =
            QDir::cleanPath(programDir + QLatin1Char('/') + folder + QLatin1Char('/') + fileName);
        if (!paths.contains(path)) paths << path;
    }
    return paths;
}

QString modulePath(const QString& fileName) {
    const QStringList paths = modulePaths(fileName);
    for (const QString& path : paths)
        if (QFileInfo(path).isFile()) return path;
    return paths.value(0);
}

QFunctionPointer loadModule(QLibrary& library, const QString& path, const char* factory,
                            const QString& what, QString* problem) {
    if (path.isEmpty()) {
        *problem = QStringLiteral("the program's directory is unknown");
        return nullptr;
    }
    if (!QDir::isAbsolutePath(path)) {
        // A bare name would be looked for along the library path, where anything may lie.
        *problem = QStringLiteral("the %1's path %2 is not absolute").arg(what, path);
        return nullptr;
    }
    if (!QFileInfo(path).isFile()) {
        // Checked first, or the loader would try variants of the name instead.
        *problem = QStringLiteral("there is no %1 at %2").arg(what, path);
        return nullptr;
    }
    library.setFileName(path);
    // All symbols now: a module missing one fails here rather than at its first use.
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library.load()) {
        *problem = library.errorString();
        return nullptr;
    }
    if (QFunctionPointer make = library.resolve(factory)) return make;
    *problem = QStringLiteral("%1 is not the game's %2 (it has no %3)")
                   .arg(path, what, QLatin1String(factory));
    return nullptr;
}

} // namespace platform
