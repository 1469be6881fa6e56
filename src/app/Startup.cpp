#include "app/Startup.h"

#include "app/Wiring.h"
#include "core/Program.h"
#include "windows/main/MainWindow.h"
#include "windows/splash/SplashWindow.h"

Startup::Startup(Program& program) : program_(program) {}

Startup::~Startup() {
    delete splash_.data();
}

Splash* Startup::splash() const {
    return splash_.data();
}

void Startup::begin() {
    // Switched off, the splash is not even made: the main window comes first and fastest.
    if (!program_.ini.get(ini::options::ShowSplash)) {
        showMain();
        return;
    }
    auto* splash = new Splash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash_ = splash;
    const QRect area = program_.platform.desktop.workArea();
    splash->move(area.topLeft() + QPoint((area.width() - splash->width()) / 2,
                                         (area.height() - splash->height()) / 2));
    connect(splash, &Splash::timeUp, this, &Startup::showMain);
    splash->load(true);
    splash->show();
}

void Startup::showMain() {
    windows_ = std::make_unique<Wiring>(program_);
    windows_->settingsAfterFirstFrame();
    Main& main = windows_->main();
    main.load();
    main.show();
    // Closed only now, so the desktop is never without a window of the game.
    if (splash_) splash_->close();
    emit mainShown();
}
