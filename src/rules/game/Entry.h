#pragma once
// Placing the current roll in a category: the part of the entry that works on values. The window
// applies the result to its labels, then runs Varje, the upper bonus check and the Yatzy fanfare.
#include "rules/game/GameState.h"

#include <QString>

enum class EntryOutcome {
    Ignored,  // entries are locked or the category is filled: nothing at all happens
    Rejected, // the dice do not qualify: NoAble, the turn goes on
    Entered,  // the score is recorded
};

struct EntryResult {
    EntryOutcome outcome = EntryOutcome::Ignored;
    int score = 0;      // the recorded score; 0 unless entered
    bool best = false;  // the category's highest score
    bool upper = false; // entered in Ones..Sixes: the upper bonus check follows
    bool yatzy = false; // entered in Yatzy: the Yatzy sound and message follow
};

// Enters the dice of game in category categoryId when the category is open (its label enabled).
// All six dice count, also those picked up to be rolled again. When entered, records the score
// and adds it to the total and, for the upper section, to the upper balance. Unknown categories
// are ignored.
EntryResult enterCategory(GameState& game, int categoryId, bool open);

// The message that follows a Yatzy entry: "yatzy! + 100".
QString yatzyMessage(int score);

// The sound number of the Yatzy fanfare.
inline constexpr int YatzySound = 5;
