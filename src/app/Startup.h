#pragma once
// The program's start: the splash first, unless the player switched it off, then the main
// window, made, loaded (which places it on the desktop) and shown. The splash is shown before
// anything the main window needs is made, so it appears as fast as any window can.
#include <QObject>
#include <QPointer>

#include <memory>

class Splash;
class Wiring;
struct Program;

class Startup : public QObject {
    Q_OBJECT
  public:
    explicit Startup(Program& program);
    ~Startup() override;

    // Shows the splash, centred on the screen, or the main window at once.
    void begin();

    // The splash while it is open; null once it has closed.
    Splash* splash() const;
    // The program's windows once the main window is shown; null before.
    Wiring* windows() const { return windows_.get(); }

  signals:
    void mainShown();

  private:
    void showMain();

    Program& program_;
    QPointer<Splash> splash_;
    std::unique_ptr<Wiring> windows_;
};
