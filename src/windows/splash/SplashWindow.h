#pragma once
// The first window of the program: the game's picture with its version for two seconds, unless
// the player switched it off; then the main window takes over.
#include "ui/Resources.h"

#include <QWidget>

class QLabel;
class QTimer;

class Splash : public QWidget {
    Q_OBJECT
  public:
    explicit Splash(QWidget* parent = nullptr);

    // The splash's load. With `show` (the player has not switched the splash off) the version
    // label shows the version directly followed by the revision ("7.02"), sTimer2 starts and the
    // answer is true; without it nothing starts and the answer is false: the caller shows the
    // main window at once and closes the splash.
    bool load(bool show);

  signals:
    // sTimer2 ticked: time for the main window. (The caller shows it and closes the splash.)
    void timeUp();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    resources::Picture picture_{resources::splash};
    QLabel* version_; // objectName "lbl_Version", design caption "0.000", Verdana font
    QLabel* info_;    // objectName "sInfo", a label without text
    QTimer* timer_;   // objectName "sTimer2", 2000 ms, single tick, not started by the constructor
};
