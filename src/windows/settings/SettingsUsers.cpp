// The user frame of the settings window: choosing, adding and removing member accounts.
#include "core/Program.h"
#include "rules/language/LanTexts.h"
#include "rules/users/UserList.h"
#include "ui/ClickLabel.h"
#include "windows/settings/SettingsPages.h"
#include "windows/settings/SettingsWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void frmSettings::fillUsers() {
    list3_->clear();
    list3_->addItems(users::names(program_.ini));
    command2_->setEnabled(list3_->count() > 0);
}

// Either the list with its buttons and the sign-up link, or the entry of a new user.
void frmSettings::showUserEntry(bool entry) {
    for (QWidget* w : std::initializer_list<QWidget*>{list3_, command1_, command2_, label1_})
        w->setVisible(!entry);
    for (QWidget* w : std::initializer_list<QWidget*>{lblEnter_, txtUser_, txtPass_, butOK_})
        w->setVisible(entry);
}

void frmSettings::showCurrentUser(const QString& tip) {
    list3_->setToolTip(tip);
    emit userChanged(
        language::userCaption(users::selectedName(program_.ini), program_.text(text::NoUser)));
}

void frmSettings::Command1Click() {
    showUserEntry(true);
    txtUser_->clear();
    txtPass_->clear();
    txtUser_->move(settingsLayout::txtUser.px().topLeft());
    txtPass_->move(settingsLayout::txtPass.px().topLeft());
    txtUser_->setFocus();
}

void frmSettings::butOKClick() {
    showUserEntry(false);
    TarnIni& ini = program_.ini;
    users::add(ini, program_.log, txtUser_->text(), txtPass_->text());
    fillUsers();
    if (users::count(ini) > 0) {
        showCurrentUser(program_.text(text::CurrentUser) + QLatin1Char(' ') +
                        users::selectedName(ini));
    }
    LanUpdate();
}

void frmSettings::List3Click(int index) {
    TarnIni& ini = program_.ini;
    users::choose(ini, program_.log, index + 1);
    showCurrentUser(language::padded(program_.text(text::CurrentUser) + QLatin1Char(' ') +
                                     users::selectedName(ini)));
}

void frmSettings::Command2Click() {
    TarnIni& ini = program_.ini;
    if (!users::remove(ini, program_.log, list3_->currentIndex() + 1)) return;
    fillUsers();
    if (users::count(ini) > 0) {
        showCurrentUser(language::padded(program_.text(text::CurrentUser) + QLatin1Char(' ') +
                                         users::name(ini, 1)));
    } else {
        list3_->setToolTip(language::padded(program_.text(text::NoUser)));
        emit userChanged(program_.text(text::NoUser));
    }
    LanUpdate();
}
