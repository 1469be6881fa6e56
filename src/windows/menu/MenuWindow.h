#pragma once
// The hidden window that holds the main window's two pop-up menus: the program menu under the
// logo and the web menu under the homepage link. Items are found by their names.
#include <QWidget>

class QMenu;

class frmMeny : public QWidget {
    Q_OBJECT
  public:
    explicit frmMeny(QWidget* parent = nullptr);

    QMenu* xx_meny() const { return xxMeny_; }
    QMenu* xx_webmenu() const { return webMenu_; }

  private:
    QMenu* xxMeny_;
    QMenu* webMenu_;
};
