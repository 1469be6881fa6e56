#include "app/Startup.h"
#include "core/BuiltIn.h"
#include "core/Program.h"
#include "core/ProgramDirectory.h"
#include "platform/ProfileFile.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick 2000"));

    platform::QtPlatform desktop;
    // Portable beside the executable, or the player's own folder for an installed game; decided
    // here once, and every file of the game is found through program.dir from then on.
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString dir = openProgramDirectory(platform::observePlace(exeDir),
                                             platform::installedDataDirs(exeDir), desktop.boxes);
    if (dir.isEmpty()) return 1;
    Program program(dir, desktop.platform());
    // Leaving ends the process at once: every file has been written and closed already.
    program.quit = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };

    // Shown from the event loop, never from inside the read that found the file too large.
    profile::setOversizeReporter([&desktop](const QString& path) {
        QTimer::singleShot(0, [&desktop, path] {
            desktop.boxes.message(nullptr,
                                  QStringLiteral("%1 is too large to be the game's profile file. "
                                                 "The game leaves it as it is and plays with its "
                                                 "default settings.")
                                      .arg(path),
                                  QStringLiteral("Tarnwick 2000"), platform::BoxIcon::Warning);
        });
    });
    builtin::prepareProgramDirectory(program);
    Startup start(program);
    start.begin();
    // The sound module (Qt Multimedia and the audio libraries, about 3 MiB) loads with the
    // first sound, some milliseconds once: a start, and a game played muted, never need it.
    return app.exec();
}
