#include "rules/game/Preview.h"

#include "rules/game/Scoring.h"

namespace preview {
namespace {

constexpr int Chance = 19;
constexpr int Yatzy = 20;

// Four of each face makes the 84 of the upper bonus, so four is the par of an upper category.
constexpr int UpperPar = 4;

} // namespace

Result CheckKateg(const std::array<int, 6>& dice, const std::array<bool, CategoryCount>& open,
                  int rollsLeft) {
    Result r;
    for (const Category& c : Categories) {
        const int i = c.id - 1;
        if (!open[i]) {
            r.look[i] = Look::Unchanged;
            continue;
        }
        r.score[i] = ScoreOf(c.id, dice);
        // Chance fits whatever was rolled, so it counts as fitting even before it has a sum.
        const bool fits = r.score[i] > 0 || c.id == Chance;
        r.look[i] = fits ? Look::Fits : Look::NoFit;
        if (fits) r.scoringPossible = true;
    }
    r.marked = chooseMarked(r.score, rollsLeft);
    return r;
}

int chooseMarked(const std::array<int, CategoryCount>& score, int rollsLeft) {
    const bool lastRoll = rollsLeft <= 0;
    int best = 0;
    int chosen = 0;
    auto take = [&](int id) {
        chosen = id;
        best = score[id - 1];
    };
    for (int id = 7; id <= 18; ++id) {
        if (score[id - 1] > best) take(id);
    }
    if (lastRoll && score[Chance - 1] > best) take(Chance);
    if (score[Yatzy - 1] > best) take(Yatzy);
    for (int face = 1; face <= 6; ++face) {
        const int s = score[face - 1];
        // A score of 0 is a filled category or one that does not fit: never worth a mark.
        if (s > 0 && s >= best && (s >= UpperPar * face || lastRoll)) take(face);
    }
    return chosen;
}

QString toolTip(int categoryId, const QString& name, int score) {
    const QString between = categoryId == Yatzy ? QStringLiteral("! +") : QStringLiteral(": ");
    return QLatin1Char(' ') + name + between + QString::number(score) + QLatin1Char(' ');
}

int markerTop(int categoryId) {
    if (!isCategoryId(categoryId)) return markerTop(1);
    return 1590 + 315 * (categoryId - 1);
}

} // namespace preview
