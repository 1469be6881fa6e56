// The main window on the desktop: its place on the work area, the title bar it is dragged by,
// the help link and the text input the program menu shows.
#include "core/Program.h"
#include "rules/desktop/Placement.h"
#include "rules/desktop/WebLinks.h"
#include "ui/SoundEffects.h"
#include "ui/Twips.h"
#include "ui/WebVisit.h"
#include "windows/main/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {
// Out of the minimised state without showing a window that is not shown yet.
void restore(QWidget* w) {
    if (w->isVisible() && w->isMinimized()) {
        w->showNormal();
    } else {
        w->setWindowState(w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    }
}
} // namespace

void Main::ScreenKoll() {
    const QRect area = program_.platform.desktop.workArea(this);
    restore(this);
    const desktop::Fit fit =
        desktop::screenFit({twips::fromPx(area.width()), twips::fromPx(area.height())});
    // Filling the work area, the window has nowhere to be dragged.
    titellist_->setVisible(fit != desktop::Fit::TopLeft);
    if (fit == desktop::Fit::TopLeft) move(area.topLeft());
    if (fit == desktop::Fit::Centre) centreOn(area);
}

void Main::centreOn(const QRect& area) {
    move(area.topLeft() + desktop::centred(area.size(), size()));
}

void Main::displayChanged() {
    restore(this);
    ScreenKoll();
}

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titellist_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return titleMouse(static_cast<QMouseEvent*>(event));
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Main::titleMouse(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            titleDrag_ = true;
            grab_ = at;
        }
        break;
    case QEvent::MouseMove:
        // The title moves with the window, so the pointer's offset from the grab point is
        // how far the window still has to go.
        if (titleDrag_ && (event->buttons() & Qt::LeftButton)) move(pos() + (at - grab_));
        break;
    case QEvent::MouseButtonRelease:
        if (event->button() == Qt::LeftButton) titleDrag_ = false;
        break;
    default: // a double click centres the window, whatever the work area's size
        centreOn(program_.platform.desktop.workArea(this));
        break;
    }
    return true;
}

void Main::lblHelpClick() {
    weblink::visit(program_, this, desktop::Help, [this] { pageBeep(); });
}

void Main::pageBeep() {
    sounds_->playPageBeep();
}

bool Main::toggleTextInput() {
    const bool show = text1_->isHidden();
    text1_->setVisible(show);
    command2_->setVisible(show);
    return show;
}
