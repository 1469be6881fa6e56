#pragma once
// The game's sound effects: the eight numbered sounds of `sndA`, the fixed sounds a few other
// places play, and the one switch, `Options` `PlaySound`, that silences them all. The main
// window owns one; it shows the switch as the loudspeaker picture `SoundPic`.
#include <QString>

class QLabel;
class TarnIni;
struct Program;
namespace platform {
class Sound;
}

class SoundEffects {
  public:
    SoundEffects(platform::Sound& sound, const QString& programDir, TarnIni& ini);
    explicit SoundEffects(Program& program);

    // Plays sound `number` (see SoundNumbers.h): nothing unless the switch is exactly "Yes". A
    // number without a sound of its own plays the file chosen last (nothing after `reset`).
    void sndA(int number);
    // The fixed sounds played outside `sndA`, under the same switch: a refused category click
    // ("doink.wav" in the background), and opening a web page without asking ("Beep.wav"
    // once waiting for its end, then once more in the background).
    void playRefused();
    void playPageBeep();

    // A new game: no sound number and no current file.
    void reset();
    int number() const { return number_; }
    const QString& currentName() const { return currentName_; }

    // The switch as stored: read once at start-up, written back at every change.
    void readSwitch();
    const QString& soundSwitch() const { return switch_; }
    bool isOn() const;
    // The settings dialog's Mute box: on writes "Yes", off writes "No".
    bool setSwitch(bool on);

    // `SoundPic` shows "off" (icon 68) only for exactly "No", so a missing or odd value shows
    // "on" while every sound is silent.
    static int iconFor(const QString& switchValue);
    // A click on `SoundPic` turns "No" into "Yes" and anything else into "No".
    static QString toggled(const QString& switchValue);
    int icon() const { return iconFor(switch_); }
    // Shows the switch's picture in `SoundPic`.
    void showIn(QLabel* soundPic) const;
    // A click on `SoundPic` (the caller closes the settings window first): switches, shows the
    // new picture when a label is given, and writes the switch to the profile file.
    void clickSoundPic(QLabel* soundPic = nullptr);

  private:
    void play(const QString& name, bool wait);
    bool writeSwitch();

    platform::Sound& sound_;
    QString dir_;
    TarnIni& ini_;
    QString switch_;
    int number_ = 0;
    QString currentName_;
};
