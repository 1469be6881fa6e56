#include "rules/game/GameModel.h"

#include "rules/game/Scoring.h"

#include <algorithm>
#include <limits>

namespace {
bool validDie(int die) {
    return die >= 1 && die <= 6;
}
} // namespace

bool GameModel::isOpen(int categoryId) const {
    return isCategoryId(categoryId) && open_[categoryId - 1];
}

bool GameModel::allOnTable() const {
    return std::all_of(state_.onTable.begin(), state_.onTable.end(), [](bool on) { return on; });
}

RollResult GameModel::roll(const std::function<double()>& random) {
    RollResult r;
    if (!rollEnabled_) return r;
    r.rolled = true;
    undoEnabled_ = false;
    state_.entryLocked = false;

    --state_.rollsLeft;
    r.firstOfGame = state_.rollsLeft == GameState::PoolSize - 1;
    for (int i = 0; i < 6; ++i) {
        if (state_.onTable[i]) continue;
        // A roll past the end of the pool (only the test control allows one) shows the old faces.
        if (state_.rollsLeft >= 0) state_.dice[i] = int(random() * 6) + 1;
        r.thrown[i] = true;
        state_.onTable[i] = true;
    }
    rollEnabled_ = false;

    const auto& d = state_.dice;
    r.allAlike = std::all_of(d.begin(), d.end(), [&](int v) { return v == d[0]; });
    r.preview = preview::CheckKateg(d, open_, state_.rollsLeft);
    state_.scoringPossible = r.preview.scoringPossible;
    r.lastRoll = state_.rollsLeft <= 0 || state_.categoriesLeft <= 0;
    if (r.lastRoll && !state_.scoringPossible) {
        r.gameOver = true;
        over_ = true;
    }
    return r;
}

bool GameModel::pickUp(int die) {
    if (!validDie(die) || !state_.onTable[die - 1] || state_.rollsLeft <= 0) return false;
    state_.onTable[die - 1] = false;
    undoEnabled_ = true;
    rollEnabled_ = true;
    return true;
}

bool GameModel::putBack(int die) {
    if (!validDie(die) || !undoEnabled_) return false;
    state_.onTable[die - 1] = true;
    return true;
}

void GameModel::settleTable(const std::array<bool, 6>& shown) {
    state_.onTable = shown;
    if (allOnTable()) rollEnabled_ = false;
}

bool GameModel::undo() {
    if (!undoEnabled_) return false;
    state_.onTable.fill(true);
    rollEnabled_ = true;
    undoEnabled_ = false;
    return true;
}

EntryResult GameModel::enter(int categoryId) {
    EntryResult r;
    if (state_.entryLocked || !isOpen(categoryId)) return r;

    const int s = ScoreOf(categoryId, state_.dice);
    if (s == 0) {
        r.outcome = EntryOutcome::Rejected;
        return r;
    }

    const Category& c = category(categoryId);
    open_[categoryId - 1] = false;
    state_.categoryScore[categoryId - 1] = s;
    state_.total += s;
    if (c.upper) state_.upperBalance += s;
    r.outcome = EntryOutcome::Entered;
    r.score = s;
    r.best = scoring::isBestScore(categoryId, s);
    r.totalBefore = state_.total;
    r.yatzy = c.rule == Rule::Yatzy;

    // The turn is over: the dice leave the table, which stays locked until the next roll.
    --state_.categoriesLeft;
    state_.onTable.fill(false);
    undoEnabled_ = false;
    state_.entryLocked = true;
    rollEnabled_ = true;
    if (state_.rollsLeft <= 0 || state_.categoriesLeft <= 0) {
        rollEnabled_ = false;
        over_ = true;
        r.gameOver = true;
    }

    if (c.upper) {
        r.upper = true;
        r.bonus = bonusVarje(state_);
    }
    return r;
}

void GameModel::tick() {
    if (state_.playSeconds < std::numeric_limits<qint16>::max()) ++state_.playSeconds;
}

QString yatzyMessage(int score) {
    return QStringLiteral("yatzy! + ") + QString::number(score);
}
