#pragma once
// The upper-section bonus: 100 points once the upper section reaches 84, awarded once a game.
// bonusVarje runs after every entry in Ones..Sixes and says what the Bonus label, the sound and
// the message display do.
#include "rules/game/GameState.h"

#include <QString>

enum class BonusOutcome {
    Running,        // not due yet and upper categories still open: the balance in light red
    Awarded,        // due for the first time: sound, 100 points, message
    AlreadyAwarded, // due and already paid: "100" again, nothing else
    Missed,         // all six upper categories filled below 84: "0" and the missed message
};

struct BonusResult {
    BonusOutcome outcome = BonusOutcome::Running;
    QString caption; // what Bonus shows
    int sound = 0;   // the sound number to play, 0 for none
    QString message; // the message to show, empty for none
};

inline constexpr int UpperBonus = 100;
inline constexpr int BonusSound = 3;

// Counts the upper entry just made and settles the bonus: when it is due for the first time the
// 100 points are added to game.total and game.bonusAwarded is set. missedText is the language
// text shown when the bonus is missed; "No bonus" stands in when it is empty.
BonusResult bonusVarje(GameState& game, const QString& missedText);

// What Bonus shows at the start of a game, and while the bonus is not yet settled.
QString bonusBalanceCaption(int upperBalance);
