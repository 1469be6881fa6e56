// The alarm frame of the settings window: the time and message are shown as stored, the
// message is written as it is typed, and the Close button arms or disarms the alarm.
#include "core/Program.h"
#include "rules/clock/AlarmClock.h"
#include "windows/settings/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void frmSettings::fillAlarm() {
    const TarnIni& ini = program_.ini;
    alarmclock::WhenParts when = alarmclock::splitWhen(ini.get(ini::alarm::When));
    // Without a time of its own the alarm offers the present minute, as a clock's would.
    if (when.hour.isEmpty())
        when =
            alarmclock::splitWhen(alarmclock::clockCaption(program_.platform.clock.now().time()));
    combo1_->setCurrentIndex(combo1_->findText(when.hour));
    combo2_->setCurrentIndex(combo2_->findText(when.minutes));
    check9_->setChecked(held_.alarmArmed);
    const QString mess = ini.get(ini::alarm::Mess);
    text1_->setText(mess.isEmpty() ? alarmclock::Placeholder : mess);
}

void frmSettings::Text1Change(const QString& text) {
    // Deleting the placeholder's last character means the player wants the box empty.
    QString placeholderCut = alarmclock::Placeholder;
    placeholderCut.chop(1);
    if (text == placeholderCut) {
        text1_->clear(); // writes the empty message through this handler
        return;
    }
    program_.ini.set(ini::alarm::Mess, text);
}

void frmSettings::saveAlarm() {
    TarnIni& ini = program_.ini;
    const bool armed = check9_->isChecked();
    const QString when = combo1_->currentText() + combo2_->currentText();
    if (armed) {
        ini.set(ini::alarm::Status, ini::alarm::On);
        ini.set(ini::alarm::When, when);
    } else {
        ini.set(ini::alarm::Status, ini::alarm::Off);
    }
    emit alarmChanged(armed, when);
}
