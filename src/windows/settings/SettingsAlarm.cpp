// The alarm frame of the settings window: the time and message are shown as stored, the
// message is written as it is typed, and the Close button arms or disarms the alarm.
#include "core/Program.h"
#include "windows/main/MainWindow.h"
#include "rules/clock/AlarmClock.h"
#include "core/Profile.h"
#include "windows/settings/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {
const QString Alarm = QStringLiteral("Alarm");
} // namespace

void frmSettings::fillAlarm() {
    alarmclock::WhenParts when =
        alarmclock::splitWhen(GetINI(Alarm, QStringLiteral("When"), program_.iniPath()));
    // Without a time of its own the alarm offers the present minute, as a clock's would.
    if (when.hour.isEmpty())
        when =
            alarmclock::splitWhen(alarmclock::clockCaption(program_.platform.clock.now().time()));
    combo1_->setCurrentIndex(combo1_->findText(when.hour));
    combo2_->setCurrentIndex(combo2_->findText(when.minutes));
    check9_->setChecked(main_.alarmArmed);
    const QString mess = GetINI(Alarm, QStringLiteral("Mess"), program_.iniPath());
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
    SetINI(Alarm, QStringLiteral("Mess"), text, program_.iniPath());
}

void frmSettings::saveAlarm() {
    const QString ini = program_.iniPath();
    if (check9_->isChecked()) {
        const QString when = combo1_->currentText() + combo2_->currentText();
        SetINI(Alarm, QStringLiteral("Status"), QStringLiteral("On"), ini);
        SetINI(Alarm, QStringLiteral("When"), when, ini);
        main_.alarmArmed = true;
        main_.alarmTime = when;
    } else {
        SetINI(Alarm, QStringLiteral("Status"), QStringLiteral("Off"), ini);
        main_.alarmArmed = false;
    }
}
