#include "windows/menu/MenuWindow.h"

#include "core/Program.h"
#include "rules/desktop/WebLinks.h"
#include "ui/WebVisit.h"

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

frmMeny::frmMeny(Program& program, QWidget* parent)
    : QWidget(parent, Qt::Window), program_(program), xxMeny_(new QMenu(this)),
      webMenu_(new QMenu(this)) {
    setObjectName(QStringLiteral("frmMeny"));
    xxMeny_->setObjectName(QStringLiteral("xx_meny"));
    connect(item(xxMeny_, "xx_newsversion", QStringLiteral("News in this version")),
            &QAction::triggered, this, [this] { Uplink(QStringLiteral("Version.txt")); });
    separator(xxMeny_, "xx_empty2");
    connect(item(xxMeny_, "xx_viewlog", QStringLiteral("View logfile")), &QAction::triggered, this,
            [this] { Uplink(QStringLiteral("Tarn.log")); });
    connect(item(xxMeny_, "xx_viewini", QStringLiteral("View ini-file")), &QAction::triggered, this,
            [this] { Uplink(QStringLiteral("Tarn.ini")); });
    showTextInput_ = item(xxMeny_, "xx_showtxtinput", QStringLiteral("Show text input"));
    showTextInput_->setCheckable(true);
    // The box follows the text input, not the click: the main window says what it shows.
    connect(showTextInput_, &QAction::triggered, this, [this] {
        showTextInput_->setChecked(!showTextInput_->isChecked());
        emit textInputToggled();
    });
    // Logging is switched in Tarn.ini; the item has nothing to do and stays out of sight.
    item(xxMeny_, "xx_stoplog", QStringLiteral("Stop logging"))->setVisible(false);

    webMenu_->setObjectName(QStringLiteral("xx_webmenu"));
    auto page = [this](const char* name, const QString& caption, const desktop::WebLink& link) {
        connect(item(webMenu_, name, caption), &QAction::triggered, this, [this, &link] {
            weblink::visit(program_, parentWidget(), link, [this] { emit pageBeepWanted(); });
        });
    };
    page("www_homepage", QStringLiteral("HOME"), desktop::Home);
    separator(webMenu_, "www_tom1");
    page("www_sms", QStringLiteral("SMS Service"), desktop::Sms);
    page("www_signup", QStringLiteral("Signup new member"), desktop::Signup);
}

void frmMeny::setTextInputShown(bool shown) {
    showTextInput_->setChecked(shown);
}

void frmMeny::Uplink(const QString& fileName) {
    program_.platform.shell.open(program_.file(fileName));
}
