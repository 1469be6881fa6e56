#include "app/Wiring.h"

#include "core/Program.h"
#include "ui/ApplyTexts.h"
#include "windows/main/MainWindow.h"
#include "windows/menu/MenuWindow.h"
#include "windows/settings/SettingsWindow.h"
#include "windows/translator/LanguageWindow.h"
#include "windows/wizard/SetLanWindow.h"

#include <QEvent>
#include <QMenu>
#include <QTimer>

Wiring::Wiring(Program& program)
    : program_(program), main_(std::make_unique<Main>(program)),
      menu_(new frmMeny(program, main_.get())) {
    Main* m = main_.get();
    connect(m, &Main::settingsNeeded, this, &Wiring::loadSettings);
    connect(m, &Main::settingsRequested, this, &Wiring::openSettings);
    connect(m, &Main::settingsOutdated, this, &Wiring::unloadSettings);
    connect(m, &Main::programMenuRequested, menu_,
            [this](const QPoint& at) { menu_->xx_meny()->popup(at); });
    connect(m, &Main::webMenuRequested, menu_,
            [this](const QPoint& at) { menu_->xx_webmenu()->popup(at); });
    connect(menu_, &frmMeny::textInputToggled, m,
            [this] { menu_->setTextInputShown(main_->toggleTextInput()); });
    connect(menu_, &frmMeny::pageBeepWanted, m, &Main::pageBeep);
}

Wiring::~Wiring() = default;

frmSettings* Wiring::settings() const {
    return settings_.data();
}

void Wiring::loadSettings() {
    if (settings_) return;
    if (!waitForFirstFrame_) {
        load(QString());
        return;
    }
    // The captions and the first message need the language now; the rest of what loading the
    // window does waits for the first frame.
    applyLanguage();
}

void Wiring::settingsAfterFirstFrame() {
    waitForFirstFrame_ = true;
    main_->installEventFilter(this);
}

bool Wiring::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_.get() && event->type() == QEvent::Paint && waitForFirstFrame_) {
        waitForFirstFrame_ = false;
        main_->removeEventFilter(this);
        // Queued: the frame is painted first.
        QTimer::singleShot(0, this, &Wiring::loadSettings);
    }
    return QObject::eventFilter(watched, event);
}

void Wiring::applyLanguage() {
    language::applyTexts(language::selectedLanguageTexts(program_, QString()),
                         {main_.get(), nullptr, menu_});
}

void Wiring::openSettings(const QString& mode) {
    unloadSettings();
    load(mode);
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

void Wiring::unloadSettings() {
    if (!settings_) return;
    // Deleted later: this may run inside one of the window's own handlers.
    frmSettings* old = settings_.data();
    settings_.clear();
    old->hide();
    old->deleteLater();
}

frmSetLan* Wiring::wizard() const {
    return wizard_.data();
}

frmLanguage* Wiring::editor() const {
    return editor_.data();
}

void Wiring::openWizard() {
    unloadSettings();
    // One translation at a time: an editor still open is brought forward instead.
    if (editor_ && editor_->isVisible()) {
        editor_->raise();
        editor_->activateWindow();
        return;
    }
    if (wizard_ && wizard_->isVisible()) return;
    auto* w = new frmSetLan(program_, job_, main_.get());
    wizard_ = w;
    connect(w, &frmSetLan::editorWanted, this, &Wiring::openEditor);
    connect(w, &frmSetLan::settingsWanted, this, [this] { openSettings(QStringLiteral("all")); });
    w->show();
    w->raise();
    w->activateWindow();
}

void Wiring::openEditor() {
    if (editor_ && editor_->isVisible()) return;
    auto* e = new frmLanguage(program_, job_, main_.get());
    editor_ = e;
    connect(e, &frmLanguage::wizardWanted, this, &Wiring::openWizard);
    // After a save the new language is the selected one: the settings window applies it.
    connect(e, &frmLanguage::settingsWanted, this, [this] { openSettings(QStringLiteral("all")); });
    e->show();
    e->raise();
    e->activateWindow();
}

void Wiring::load(const QString& mode) {
    Main* m = main_.get();
    auto* s = new frmSettings(program_, mode, {m->soundSwitch(), m->alarmArmed()}, m);
    settings_ = s;
    // Closed by its Close button, by Escape or by the desktop: unloaded either way.
    connect(s, &QDialog::finished, this, [this, s] {
        if (settings_ == s) unloadSettings();
    });
    connect(s, &frmSettings::textsChanged, this, [this](const QList<language::Assignment>& texts) {
        language::applyTexts(texts, {main_.get(), nullptr, menu_});
    });
    connect(s, &frmSettings::languageChanged, m, &Main::sayTotalAgain);
    connect(s, &frmSettings::soundSwitched, m, &Main::setSoundSwitch);
    connect(s, &frmSettings::clockShown, m, &Main::setClockShown);
    connect(s, &frmSettings::redSquareHidden, m, &Main::hideRedSquare);
    connect(s, &frmSettings::alarmChanged, m, &Main::setAlarm);
    connect(s, &frmSettings::userChanged, m, &Main::showUser);
    connect(s, &frmSettings::listCleared, m, &Main::clearTopList);
    connect(s, &frmSettings::userReady, m, &Main::userReady);
    connect(s, &frmSettings::translateRequested, this, &Wiring::openWizard);
    s->load();
}
