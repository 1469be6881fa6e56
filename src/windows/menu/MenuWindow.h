#pragma once
// The hidden window that holds the main window's two pop-up menus: the program menu under the
// logo and the web menu under the homepage link. Items are found by their names. The web pages
// and the program's own files open from here; what the main window shows, it is told by signals.
#include <QWidget>

class QAction;
class QMenu;
struct Program;

class frmMeny : public QWidget {
    Q_OBJECT
  public:
    // Boxes it asks are centred on `parent`, the main window.
    frmMeny(Program& program, QWidget* parent);

    QMenu* xx_meny() const { return xxMeny_; }
    QMenu* xx_webmenu() const { return webMenu_; }

  public slots:
    // The check mark of "Show text input" follows the main window's text box.
    void setTextInputShown(bool shown);

  signals:
    // "Show text input" was chosen: the main window shows or hides its text input.
    void textInputToggled();
    // A page opens without a question: the main window beeps, if its sounds are on.
    void pageBeepWanted();

  private:
    // Opens one of the program's own files with the desktop's program for it.
    void Uplink(const QString& fileName);

    Program& program_;
    QMenu* xxMeny_;
    QMenu* webMenu_;
    QAction* showTextInput_ = nullptr;
};
