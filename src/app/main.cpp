#include "app/Wiring.h"
#include "core/Program.h"
#include "platform/qt/QtPlatform.h"
#include "windows/main/MainWindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick 2000"));

    platform::QtPlatform desktop;
    Program program(QCoreApplication::applicationDirPath(), desktop.platform());
    // Leaving ends the process at once: every file has been written and closed already.
    program.quit = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };

    Wiring windows(program);
    windows.main().load();
    windows.main().show();
    return app.exec();
}
