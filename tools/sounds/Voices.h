#pragma once
// The game's ten sound effects, unfinished: main.cpp sets their levels and fades.
#include "Synth.h"

namespace voices {

synth::Buffer dice();     // a handful of dice landing, bouncing and settling on a table
synth::Buffer points();   // a bright two-note chime for points entered
synth::Buffer bonus();    // a short rising brass arpeggio that ends on a chord
synth::Buffer yahoo();    // a cheerful voiced "whoo-hoo"
synth::Buffer yatzy();    // the big fanfare: pickup, chord, drum, cymbal and sparkles
synth::Buffer laser();    // a descending zap
synth::Buffer beepHigh(); // a short high beep
synth::Buffer pop();      // a soft pop
synth::Buffer doink();    // a dull falling boing for a refused click
synth::Buffer beepLow();  // a lower, longer beep that leaves a gap when played twice

} // namespace voices
