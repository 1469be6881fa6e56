#include "ui/SoundEffects.h"

#include "core/Program.h"
#include "ui/Resources.h"
#include "platform/Platform.h"
#include "core/Profile.h"

#include <QLabel>

#include <iterator>

namespace {
const QString Options = QStringLiteral("Options");
const QString PlaySound = QStringLiteral("PlaySound");

// Sound number n (and n + Waiting) plays files[n - 1].
const char* const files[] = {"dice.wav",  "points.wav", "Bonus.wav", "Yahoo2.wav",
                             "Yatzy.wav", "Laser.wav",  "beep.wav",  "pop.wav"};
constexpr int SoundCount = int(std::size(files));
} // namespace

SoundEffects::SoundEffects(platform::Sound& sound, const QString& programDir,
                           const QString& iniPath)
    : sound_(sound), dir_(programDir), ini_(iniPath) {}

SoundEffects::SoundEffects(Program& program)
    : SoundEffects(program.platform.sound, program.dir, program.iniPath()) {}

QString SoundEffects::fileOf(int number) {
    for (int n = 1; n <= SoundCount; ++n)
        if (number == n || number == n + Waiting) return QLatin1String(files[n - 1]);
    return {};
}

void SoundEffects::sndA(int number) {
    number_ = number;
    if (!isOn()) return;
    // An unknown number keeps the file chosen last, so it plays that one again.
    const QString file = fileOf(number);
    if (!file.isEmpty()) currentName_ = file;
    play(currentName_, number > Waiting);
}

void SoundEffects::playRefused() {
    if (isOn()) play(QStringLiteral("doink.wav"), false);
}

void SoundEffects::playPageBeep() {
    if (!isOn()) return;
    play(QStringLiteral("Beep.wav"), true);
    play(QStringLiteral("Beep.wav"), false);
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
    switch_ = GetINI(Options, PlaySound, ini_);
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
    if (soundPic) soundPic->setPixmap(resources::iconPixmap(icon()));
}

void SoundEffects::clickSoundPic(QLabel* soundPic) {
    switch_ = toggled(switch_);
    showIn(soundPic);
    writeSwitch();
}

// A switch that cannot be written still holds for this run.
bool SoundEffects::writeSwitch() {
    return SetINI(Options, PlaySound, switch_, ini_);
}
