#include "windows/menu/MenuWindow.h"

#include <QAction>
#include <QMenu>

namespace {
QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}
} // namespace

frmMeny::frmMeny(QWidget* parent)
    : QWidget(parent, Qt::Window), xxMeny_(new QMenu(this)), webMenu_(new QMenu(this)) {
    setObjectName(QStringLiteral("frmMeny"));
    xxMeny_->setObjectName(QStringLiteral("xx_meny"));
    item(xxMeny_, "xx_newsversion", QStringLiteral("News in this version"));
    separator(xxMeny_, "xx_empty2");
    item(xxMeny_, "xx_viewlog", QStringLiteral("View logfile"));
    item(xxMeny_, "xx_viewini", QStringLiteral("View ini-file"));
    item(xxMeny_, "xx_showtxtinput", QStringLiteral("Show text input"))->setCheckable(true);
    // Logging is switched in Tarn.ini; the item has nothing to do and stays out of sight.
    item(xxMeny_, "xx_stoplog", QStringLiteral("Stop logging"))->setVisible(false);

    webMenu_->setObjectName(QStringLiteral("xx_webmenu"));
    item(webMenu_, "www_homepage", QStringLiteral("HOME"));
    separator(webMenu_, "www_tom1");
    item(webMenu_, "www_sms", QStringLiteral("SMS Service"));
    item(webMenu_, "www_signup", QStringLiteral("Signup new member"));
}
