// The clock in the main window's title bar, the alarm it fires, and the other switches the
// settings window changes: the sound, the marker and the user shown.
#include "core/Program.h"
#include "rules/clock/AlarmClock.h"
#include "ui/ClickLabel.h"
#include "ui/SoundEffects.h"
#include "windows/main/MainWindow.h"

#include <QLocale>
#include <QTimer>

void Main::Timer3Tick() {
    if (clockSwitch_ != profile::Yes) {
        showTime_->clear();
        showTime_->setToolTip(QString());
        timer3_->stop();
        return;
    }
    showClock();
    if (alarmArmed_ && alarmclock::isDue(program_.platform.clock.now().time(), alarmTime_))
        fireAlarm();
}

void Main::showClock() {
    const QDateTime now = program_.platform.clock.now();
    showTime_->setText(alarmclock::clockCaption(now.time()));
    showTime_->setToolTip(alarmclock::dateTip(now.date(), QLocale::system()));
}

void Main::fireAlarm() {
    // Disarmed before the box: the clock keeps ticking while the player reads it.
    alarmArmed_ = false;
    const QString word = program_.text(text::Alarm);
    const QString text = alarmclock::message(program_.ini.get(ini::alarm::Mess), word);
    program_.platform.boxes.message(this, text, alarmclock::title(word, alarmTime_),
                                    platform::BoxIcon::Information);
    Logg(alarmclock::logLine(alarmTime_, text));
    program_.ini.set(ini::alarm::Status, ini::alarm::Off);
}

void Main::setClockShown(bool on) {
    clockSwitch_ = profile::yesNo(on);
    if (on) {
        showClock();
        timer3_->start();
    } else {
        showTime_->clear();
        showTime_->setToolTip(QString());
        timer3_->stop();
    }
}

void Main::setAlarm(bool armed, const QString& when) {
    alarmArmed_ = armed;
    if (armed) alarmTime_ = when;
}

QString Main::soundSwitch() const {
    return sounds_->soundSwitch();
}

void Main::setSoundSwitch(bool on) {
    sounds_->setSwitch(on);
    sounds_->showIn(soundPic_);
}

void Main::SoundPicClick() {
    // An open settings window would show the old state in its Mute box.
    emit settingsOutdated();
    sounds_->clickSoundPic(soundPic_);
}

void Main::showUser(const QString& caption) {
    lbUser_->setText(caption);
}
