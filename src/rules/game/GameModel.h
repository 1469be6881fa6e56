#pragma once
// One game, without widgets: the dice and which of them lie on the table, the open categories,
// the roll pool, the entry lock, the play time and the upper bonus. Each operation says what
// happened; the main window turns that into pictures, sounds and messages, and its controls'
// enabled states mirror canRoll(), canUndo() and isOpen().
#include "rules/game/Categories.h"
#include "rules/game/GameState.h"
#include "rules/game/Preview.h"
#include "rules/game/UpperBonus.h"

#include <array>
#include <functional>

// What a roll did.
struct RollResult {
    bool rolled = false;          // false: the roll was not possible, nothing changed
    bool firstOfGame = false;     // the first roll of a full pool: the play time starts
    std::array<bool, 6> thrown{}; // the dice that were off the table and now show new faces
    bool allAlike = false;        // six equal dice
    bool lastRoll = false;        // the pool is spent, or no category is left
    bool gameOver = false;        // the last roll fits no open category: the game ends now
    preview::Result preview;      // the open categories against the new dice
};

enum class EntryOutcome {
    Ignored,  // entries are locked, or the category is filled or unknown: nothing happens
    Rejected, // the dice do not qualify: the turn goes on
    Entered,  // the score is recorded and the turn is over
};

// What entering the dice in a category did.
struct EntryResult {
    EntryOutcome outcome = EntryOutcome::Ignored;
    int score = 0;       // the recorded score; 0 unless entered
    bool best = false;   // the category's highest score
    int totalBefore = 0; // the total with this score, before any bonus it earns
    bool upper = false;  // entered in Ones..Sixes: `bonus` says what that did
    BonusOutcome bonus = BonusOutcome::Running;
    bool yatzy = false;    // entered in Yatzy
    bool gameOver = false; // no roll or no category is left: the game ends
};

class GameModel {
  public:
    // A fresh game: 60 rolls, twenty open categories, nothing on the table.
    static GameModel newGame() { return {}; }

    const GameState& state() const { return state_; }
    bool isOpen(int categoryId) const;
    const std::array<bool, CategoryCount>& openCategories() const { return open_; }
    bool canRoll() const { return rollEnabled_; }
    bool canUndo() const { return undoEnabled_; }
    bool isOver() const { return over_; }
    bool allOnTable() const;

    // Rolls the dice that are off the table with faces int(random() * 6) + 1, random() giving
    // numbers in [0, 1). Refused while rolling is not possible; a roll with every die on the
    // table (after Undo) spends a roll and changes no face.
    RollResult roll(const std::function<double()>& random);

    // Picks die 1..6 up to roll it again; only a die on the table, and while rolls are left.
    bool pickUp(int die);
    // Puts one picked-up die back on the table; only while Undo is possible.
    bool putBack(int die);
    // The end of a drag across the dice: `shown` says which dice lie on the table now. With
    // all six there, rolling is not possible until one is picked up again.
    void settleTable(const std::array<bool, 6>& shown);
    // Puts every die back. Rolling stays possible: such a roll spends a roll for nothing.
    bool undo();

    // Enters the dice in category 1..20: all six count, also those picked up. On an entry the
    // turn ends: the table is cleared and locked until the next roll.
    EntryResult enter(int categoryId);

    // One second of play; the count stops at its 16-bit top.
    void tick();
    // The test control: one roll left, the next roll is the last.
    void leaveOneRoll() { state_.rollsLeft = 1; }

  private:
    GameState state_;
    std::array<bool, CategoryCount> open_ = allOpen();
    bool rollEnabled_ = true;
    bool undoEnabled_ = false;
    bool over_ = false;

    static constexpr std::array<bool, CategoryCount> allOpen() {
        std::array<bool, CategoryCount> a{};
        a.fill(true);
        return a;
    }
};

// The message that follows a Yatzy entry: "yatzy! + 100".
QString yatzyMessage(int score);
