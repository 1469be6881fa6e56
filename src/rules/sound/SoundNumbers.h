#pragma once
// The game's sounds: the numbered effects that `sndA` plays and the two fixed files played
// outside it. Every place that plays, names or makes a sound takes it from here, the build's
// sound generator included, so this header needs nothing but the standard library.
#include <array>

namespace sound {

// 1..8 play in the background; the same plus `Waiting` (101..108) make the caller wait until
// the sound has ended.
enum Number : int {
    Dice = 1,
    Points = 2,
    Bonus = 3,
    Yahoo = 4,
    Yatzy = 5,
    Laser = 6,
    Beep = 7, // no game event uses it
    Pop = 8,
    Waiting = 100,
};

// The file of effect n is Files[n - 1].
inline constexpr std::array<const char*, 8> Files{"dice.wav",   "points.wav", "Bonus.wav",
                                                  "Yahoo2.wav", "Yatzy.wav",  "Laser.wav",
                                                  "beep.wav",   "pop.wav"};

// A refused category entry.
inline constexpr const char* Refused = "doink.wav";
// Opening a web page without asking first.
inline constexpr const char* PageBeep = "Beep.wav";

// The file of a sound number in either form; "" when the number has none.
constexpr const char* fileOf(int number) {
    const int n = number > Waiting ? number - Waiting : number;
    return n >= 1 && n <= int(Files.size()) ? Files[n - 1] : "";
}

} // namespace sound
