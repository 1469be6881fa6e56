#pragma once
// The preview after each roll, without widgets: what every open category would score, whether
// any fits at all, and which one the red marker recommends.
#include "rules/game/Categories.h"

#include <QString>

#include <array>

namespace preview {

enum class Look {
    Unchanged, // filled: keeps its colour and tooltip
    Fits,      // white, with a tooltip naming its score
    NoFit,     // gray, without a tooltip
};

struct Result {
    std::array<int, CategoryCount> score{}; // preview score by CategoryId - 1; 0 when filled
    std::array<Look, CategoryCount> look{};
    bool scoringPossible = false; // some open category fits
    int marked = 0;               // the recommended CategoryId, 0 for none
};

// Previews the dice for the categories open[id - 1] says are open, with rollsLeft rolls left in
// the game.
Result CheckKateg(const std::array<int, 6>& dice, const std::array<bool, CategoryCount>& open,
                  int rollsLeft);

// The recommended category for the preview scores, 0 for none. Lower-section categories win by
// a strictly greater score, the lowest id on a tie; Chance counts only with no rolls left; an
// upper-section category needs four of its face (or no rolls left) and wins ties.
int chooseMarked(const std::array<int, CategoryCount>& score, int rollsLeft);

// The tooltip of a category that fits: " Fours: 12 ", and for Yatzy " Yatzy! +100 ".
QString toolTip(int categoryId, const QString& name, int score);

// The top of the marker beside the row of category categoryId, in twips.
int markerTop(int categoryId);

} // namespace preview
