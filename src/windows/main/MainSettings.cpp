// The main window's side of the settings window: loading it, the labels that open it on its
// three pages, the sound picture, and the pop-up menus' window.
#include "windows/menu/MenuWindow.h"
#include "core/Program.h"
#include "ui/SoundEffects.h"
#include "ui/ClickLabel.h"
#include "windows/main/MainWindow.h"
#include "windows/settings/SettingsWindow.h"

void Main::loadSettings() {
    if (settings_) return;
    settings_ = new frmSettings(program_, *this);
    frmSettings* loaded = settings_;
    // Closed by its Close button, by Escape or by the desktop: unloaded either way.
    connect(loaded, &QDialog::finished, this, [this, loaded] {
        if (settings_ == loaded) unloadSettings();
    });
    loaded->load();
}

void Main::openSettings(const QString& mode) {
    unloadSettings();
    program_.settingsMode = mode;
    loadSettings();
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
}

void Main::unloadSettings() {
    if (!settings_) return;
    // Deleted later: this may run inside one of the window's own handlers.
    frmSettings* old = std::exchange(settings_, nullptr);
    old->hide();
    old->deleteLater();
}

void Main::lblSettClick() {
    openSettings(QStringLiteral("all"));
}
void Main::lb_UserClick() {
    openSettings(QStringLiteral("user"));
}
void Main::ShowTimeClick() {
    openSettings(QStringLiteral("alarm"));
}

void Main::SoundPicClick() {
    // An open settings window would show the old state in its Mute box.
    unloadSettings();
    sounds_->clickSoundPic(soundPic_);
}

void Main::hideRedSquare() {
    indik_->hide();
}

frmMeny* Main::meny() {
    if (!meny_) meny_ = new frmMeny(this);
    return meny_;
}
