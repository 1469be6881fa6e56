#include "rules/game/Entry.h"

#include "rules/game/Categories.h"
#include "rules/game/Scoring.h"

EntryResult enterCategory(GameState& game, int categoryId, bool open) {
    EntryResult r;
    if (game.entryLocked || !open || !isCategoryId(categoryId)) return r;

    const int s = ScoreOf(categoryId, game.dice);
    if (s == 0) {
        r.outcome = EntryOutcome::Rejected;
        return r;
    }

    const Category& c = category(categoryId);
    game.categoryScore[categoryId - 1] = s;
    game.total += s;
    if (c.upper) game.upperBalance += s;

    r.outcome = EntryOutcome::Entered;
    r.score = s;
    r.best = scoring::isBestScore(categoryId, s);
    r.upper = c.upper;
    r.yatzy = c.rule == Rule::Yatzy;
    return r;
}

QString yatzyMessage(int score) {
    return QStringLiteral("yatzy! + ") + QString::number(score);
}
