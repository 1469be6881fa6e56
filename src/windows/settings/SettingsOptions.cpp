// The settings window's options, its language list and its buttons.
#include "windows/menu/MenuWindow.h"
#include "core/Program.h"
#include "ui/MessageDisplay.h"
#include "ui/SoundEffects.h"
#include "ui/ClickLabel.h"
#include "windows/main/MainWindow.h"
#include "ui/ApplyTexts.h"
#include "rules/language/LanTexts.h"
#include "rules/language/LanguageFile.h"
#include "windows/main/TopTenLabels.h"
#include "core/Profile.h"
#include "windows/settings/SettingsWindow.h"
#include "rules/users/UserList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

namespace {
const QString Options = QStringLiteral("Options");
const QString Language = QStringLiteral("Language");
} // namespace

void frmSettings::LanUpdate() {
    language::useSelectedLanguage(program_);
    const auto texts =
        language::lanTexts(language::readLanInputs(program_),
                           [this](const QString& key) { return program_.text(key); });
    language::applyTexts(texts, {&main_, this, main_.meny()});
    // A list of users shows the current one by its place, which also tells apart two users
    // of the same name; with none it shows the text for "no user".
    const QString ini = program_.iniPath();
    const int current = profile::toNumber(users::selected(ini));
    list3_->setCurrentIndex(current >= 1 && current <= list3_->count() ? current - 1 : -1);
    list3_->setPlaceholderText(program_.text(QStringLiteral("s1")));
}

void frmSettings::optionClick(QCheckBox* box, bool ticked) {
    const QString key = box->property("key").toString();
    SetINI(Options, key, profile::yesNo(ticked), program_.iniPath());
    if (key == QLatin1String("ShowHelpText")) {
        LanUpdate();
    } else if (key == QLatin1String("ShowTime")) {
        main_.setClockShown(ticked);
    } else if (key == QLatin1String("ShowRedSquare") && !ticked) {
        // Ticking shows the marker at the next roll.
        main_.hideRedSquare();
    }
}

void frmSettings::Check1Click(bool ticked) {
    SoundEffects& sounds = main_.sounds();
    // Ticked means silent, which the switch says only by exactly "No".
    const bool agrees = ticked == (sounds.soundSwitch() == profile::No);
    if (agrees) return;
    sounds.setSwitch(!ticked);
    sounds.showIn(main_.soundPic());
}

void frmSettings::fillLanguages() {
    const QString ini = program_.iniPath();
    list1_->clear();
    const int count = profile::readNumber(Language, QStringLiteral("antal"), ini);
    for (int n = 1; n <= count; ++n)
        list1_->addItem(GetINI(Language, QStringLiteral("l%1n").arg(n), ini));
    const int selected = profile::readNumber(Language, QStringLiteral("selected"), ini);
    list1_->setCurrentIndex(selected >= 1 && selected <= count ? selected - 1 : -1);
}

void frmSettings::List1Click(int index) {
    // The total is said again in the new language once the texts have changed.
    main_.display().sayTimer()->start();
    const QString ini = program_.iniPath();
    const QString chosen = list1_->itemText(index);
    const int count = profile::readNumber(Language, QStringLiteral("antal"), ini);
    for (int n = 1; n <= count; ++n) {
        if (GetINI(Language, QStringLiteral("l%1n").arg(n), ini) == chosen) {
            SetINI(Language, QStringLiteral("selected"), QString::number(n), ini);
            break;
        }
    }
    LanUpdate();
}

void frmSettings::setTranslateClick() {
    if (!main_.showTranslationWizard) return;
    main_.showTranslationWizard();
    main_.unloadSettings();
}

void frmSettings::Label1Click() {
    const QString ini = program_.iniPath();
    if (profile::switchY(Options, QStringLiteral("WarnHomepage"), ini) &&
        !program_.platform.boxes.askYesNo(this, program_.text(QStringLiteral("s6")) + "?",
                                          program_.text(QStringLiteral("b1")), true))
        return;
    program_.log.AppendLog(QStringLiteral("Visit homepage (Signup)"));
    program_.platform.shell.open(GetINI(QStringLiteral("Internet"), QStringLiteral("signup"), ini) +
                                 QStringLiteral("?lan=") +
                                 language::international(program_.languageFile));
}

void frmSettings::Command3Click() {
    if (scores::ClearHighscore(program_, main_.toppLabels(), this)) command3_->setEnabled(false);
}

void frmSettings::Command4Click() {
    saveAlarm();
    if (!users::selectedName(program_.iniPath()).isEmpty()) emit userReady();
    main_.unloadSettings();
}
