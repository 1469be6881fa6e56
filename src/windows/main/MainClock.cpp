// The clock in the main window's title bar and the alarm it fires.
#include "core/Program.h"
#include "ui/ClickLabel.h"
#include "windows/main/MainWindow.h"
#include "rules/clock/AlarmClock.h"
#include "core/Profile.h"

#include <QLocale>
#include <QTimer>

void Main::Timer3Tick() {
    if (clockSwitch != profile::Yes) {
        showTime_->clear();
        showTime_->setToolTip(QString());
        timer3_->stop();
        return;
    }
    showClock();
    if (alarmArmed && alarmclock::isDue(program_.platform.clock.now().time(), alarmTime))
        fireAlarm();
}

void Main::showClock() {
    const QDateTime now = program_.platform.clock.now();
    showTime_->setText(alarmclock::clockCaption(now.time()));
    showTime_->setToolTip(alarmclock::dateTip(now.date(), QLocale::system()));
}

void Main::fireAlarm() {
    // Disarmed before the box: the clock keeps ticking while the player reads it.
    alarmArmed = false;
    const QString ini = program_.iniPath();
    const QString word = program_.text(QStringLiteral("s18"));
    const QString text =
        alarmclock::message(GetINI(QStringLiteral("Alarm"), QStringLiteral("Mess"), ini), word);
    program_.platform.boxes.message(this, text, alarmclock::title(word, alarmTime),
                                    platform::BoxIcon::Information);
    Logg(alarmclock::logLine(alarmTime, text));
    SetINI(QStringLiteral("Alarm"), QStringLiteral("Status"), QStringLiteral("Off"), ini);
}

void Main::setClockShown(bool on) {
    clockSwitch = profile::yesNo(on);
    if (on) {
        showClock();
        timer3_->start();
    } else {
        showTime_->clear();
        showTime_->setToolTip(QString());
        timer3_->stop();
    }
}
