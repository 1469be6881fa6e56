// The settings window's options, its language list and its buttons.
#include "windows/settings/SettingsOptions.h"
#include "core/Program.h"
#include "rules/desktop/WebLinks.h"
#include "rules/language/LanTexts.h"
#include "rules/scores/HighscoreStore.h"
#include "rules/users/UserList.h"
#include "ui/ClickLabel.h"
#include "ui/WebVisit.h"
#include "windows/settings/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

void frmSettings::LanUpdate() {
    const auto texts = language::selectedLanguageTexts(program_, mode_);
    language::applyTexts(texts, {nullptr, this, nullptr});
    emit textsChanged(texts);
    // A list of users shows the current one by its place, which also tells apart two users
    // of the same name; with none it shows the text for "no user".
    const qint64 current = profile::toNumber(users::selected(program_.ini));
    list3_->setCurrentIndex(current >= 1 && current <= list3_->count() ? int(current - 1) : -1);
    list3_->setPlaceholderText(program_.text(text::NoUser));
}

void frmSettings::optionClick(QCheckBox* box, bool ticked) {
    const ini::SwitchKey& key = optionKey(box->objectName());
    program_.ini.set(key, ticked);
    if (key == ini::options::ShowHelpText) {
        LanUpdate();
    } else if (key == ini::options::ShowTime) {
        emit clockShown(ticked);
    } else if (key == ini::options::ShowRedSquare && !ticked) {
        // Ticking shows the marker at the next roll.
        emit redSquareHidden();
    }
}

void frmSettings::Check1Click(bool ticked) {
    // Ticked means silent, which the switch says only by exactly "No".
    if (ticked == (held_.soundSwitch == profile::No)) return;
    held_.soundSwitch = profile::yesNo(!ticked);
    emit soundSwitched(!ticked);
}

void frmSettings::fillLanguages() {
    const TarnIni& ini = program_.ini;
    list1_->clear();
    const qint64 count = ini.entries(ini::language::antal, ini::language::name);
    for (qint64 n = 1; n <= count; ++n)
        list1_->addItem(ini.get(ini::language::name, n));
    const qint64 selected = ini.get(ini::language::selected);
    list1_->setCurrentIndex(selected >= 1 && selected <= count ? int(selected - 1) : -1);
}

void frmSettings::List1Click(int index) {
    // The total is said again in the new language once the texts have changed.
    emit languageChanged();
    TarnIni& ini = program_.ini;
    const QString chosen = list1_->itemText(index);
    const qint64 count = ini.entries(ini::language::antal, ini::language::name);
    for (qint64 n = 1; n <= count; ++n) {
        if (ini.get(ini::language::name, n) == chosen) {
            ini.set(ini::language::selected, n);
            break;
        }
    }
    LanUpdate();
}

void frmSettings::Label1Click() {
    // The sign-up page, without the beep the main window's links give.
    weblink::visit(program_, this, desktop::Signup);
}

void frmSettings::Command3Click() {
    if (!program_.platform.boxes.askYesNo(this, program_.text(text::AskClearList),
                                          program_.text(text::ConfirmTitle), true))
        return;
    scores::clearList(program_.ini);
    emit listCleared();
    program_.log.AppendLog(QStringLiteral("Clear highscore"));
    command3_->setEnabled(false);
}

void frmSettings::Command4Click() {
    saveAlarm();
    if (!users::selectedName(program_.ini).isEmpty()) emit userReady();
    // Finishing the dialog unloads it.
    accept();
}
