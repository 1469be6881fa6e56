#include "ui/SoundEffects.h"

#include "core/Program.h"
#include "platform/Platform.h"
#include "rules/sound/SoundNumbers.h"
#include "ui/Resources.h"

#include <QLabel>

SoundEffects::SoundEffects(platform::Sound& sound, const QString& programDir, TarnIni& ini)
    : sound_(sound), dir_(programDir), ini_(ini) {}

SoundEffects::SoundEffects(Program& program)
    : SoundEffects(program.platform.sound, program.dir, program.ini) {}

void SoundEffects::sndA(int number) {
    number_ = number;
    if (!isOn()) return;
    // An unknown number keeps the file chosen last, so it plays that one again.
    const QString file = QLatin1String(sound::fileOf(number));
    if (!file.isEmpty()) currentName_ = file;
    play(currentName_, number > sound::Waiting);
}

void SoundEffects::playRefused() {
    if (isOn()) play(QLatin1String(sound::Refused), false);
}

void SoundEffects::playPageBeep() {
    if (!isOn()) return;
    play(QLatin1String(sound::PageBeep), true);
    play(QLatin1String(sound::PageBeep), false);
}

void SoundEffects::play(const QString& name, bool wait) {
    // A file that cannot be played (also none chosen yet) is the platform's to ignore.
    sound_.play(dir_ + QLatin1Char('/') + name, wait);
}

void SoundEffects::reset() {
    number_ = 0;
    currentName_.clear();
}

void SoundEffects::readSwitch() {
    switch_ = ini_.raw(ini::options::PlaySound);
}

bool SoundEffects::isOn() const {
    return profile::ruleY(switch_);
}

bool SoundEffects::setSwitch(bool on) {
    switch_ = profile::yesNo(on);
    return writeSwitch();
}

int SoundEffects::iconFor(const QString& switchValue) {
    return switchValue == profile::No ? resources::SoundOff : resources::SoundOn;
}

QString SoundEffects::toggled(const QString& switchValue) {
    return switchValue == profile::No ? profile::Yes : profile::No;
}

void SoundEffects::showIn(QLabel* soundPic) const {
    if (soundPic) soundPic->setPixmap(resources::iconPixmap(icon(), soundPic->devicePixelRatioF()));
}

void SoundEffects::clickSoundPic(QLabel* soundPic) {
    switch_ = toggled(switch_);
    showIn(soundPic);
    writeSwitch();
}

// A switch that cannot be written still holds for this run.
bool SoundEffects::writeSwitch() {
    return ini_.setRaw(ini::options::PlaySound, switch_);
}
