#include "rules/game/UpperBonus.h"

namespace {
constexpr int UpperCategories = 6;
}

QString bonusBalanceCaption(int upperBalance) {
    return QString::number(upperBalance);
}

BonusResult bonusVarje(GameState& game, const QString& missedText) {
    BonusResult r;
    ++game.upperFilled;
    if (game.upperBalance >= 0) {
        r.caption = QString::number(UpperBonus);
        if (game.bonusAwarded) {
            r.outcome = BonusOutcome::AlreadyAwarded;
            return r;
        }
        game.total += UpperBonus;
        game.bonusAwarded = true;
        r.outcome = BonusOutcome::Awarded;
        r.sound = BonusSound;
        r.message = QStringLiteral("bonus! + 100");
    } else if (game.upperFilled != UpperCategories) {
        r.outcome = BonusOutcome::Running;
        r.caption = bonusBalanceCaption(game.upperBalance);
    } else {
        r.outcome = BonusOutcome::Missed;
        r.caption = QStringLiteral("0");
        r.message = missedText.isEmpty() ? QStringLiteral("No bonus") : missedText;
    }
    return r;
}
