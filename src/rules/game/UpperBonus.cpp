#include "rules/game/UpperBonus.h"

namespace {
constexpr int UpperCategories = 6;
}

QString bonusBalanceCaption(int upperBalance) {
    return QString::number(upperBalance);
}

BonusOutcome bonusVarje(GameState& game) {
    ++game.upperFilled;
    if (game.upperBalance >= 0) {
        if (game.bonusAwarded) return BonusOutcome::AlreadyAwarded;
        game.total += UpperBonus;
        game.bonusAwarded = true;
        return BonusOutcome::Awarded;
    }
    return game.upperFilled != UpperCategories ? BonusOutcome::Running : BonusOutcome::Missed;
}

QString bonusCaption(BonusOutcome outcome, int upperBalance) {
    switch (outcome) {
    case BonusOutcome::Running:
        return bonusBalanceCaption(upperBalance);
    case BonusOutcome::Missed:
        return QStringLiteral("0");
    case BonusOutcome::Awarded:
    case BonusOutcome::AlreadyAwarded:
        break;
    }
    return QString::number(UpperBonus);
}

QString bonusMessage(BonusOutcome outcome, const QString& missedText) {
    if (outcome == BonusOutcome::Awarded) return QStringLiteral("bonus! + 100");
    if (outcome == BonusOutcome::Missed)
        return missedText.isEmpty() ? QStringLiteral("No bonus") : missedText;
    return {};
}
