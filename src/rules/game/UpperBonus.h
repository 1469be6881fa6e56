#pragma once
// The upper-section bonus: 100 points once the upper section reaches 84, awarded once a game.
// bonusVarje runs after every entry in Ones..Sixes; the other functions say what the Bonus label
// and the message display show for its outcome.
#include "rules/game/GameState.h"

#include <QString>

enum class BonusOutcome {
    Running,        // not due yet and upper categories still open: the balance
    Awarded,        // due for the first time: sound, 100 points, message
    AlreadyAwarded, // due and already paid: "100" again, nothing else
    Missed,         // all six upper categories filled below 84: "0" and the missed message
};

inline constexpr int UpperBonus = 100;

// Counts the upper entry just made and settles the bonus: when it is due for the first time the
// 100 points are added to game.total and game.bonusAwarded is set.
BonusOutcome bonusVarje(GameState& game);

// What Bonus shows after an outcome, with the upper balance as it stands then.
QString bonusCaption(BonusOutcome outcome, int upperBalance);

// The message an outcome shows, "" for none. missedText is the language text for a missed
// bonus; "No bonus" stands in when it is empty.
QString bonusMessage(BonusOutcome outcome, const QString& missedText);

// What Bonus shows at the start of a game, and while the bonus is not yet settled.
QString bonusBalanceCaption(int upperBalance);
