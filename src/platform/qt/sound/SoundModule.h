#pragma once
// The real sound player is a module of its own, loaded when sound is first wanted: Qt Multimedia
// and the audio libraries beneath it would otherwise cost every start of the game time and
// memory before any sound plays. The module exports one C function that makes the player.
#include "platform/Platform.h"

namespace platform {
// Makes a player whose waiting play lasts at most maxWaitMs; the caller owns it.
using SoundFactory = Sound* (*)(int maxWaitMs);
inline constexpr char SoundFactoryName[] = "tarnwick_make_sound";
} // namespace platform

extern "C" __attribute__((visibility("default"))) platform::Sound*
tarnwick_make_sound(int maxWaitMs);
