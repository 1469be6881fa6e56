#pragma once
// A whole game on known dice: a roll for each category in CategoryId order that fits it, and
// what it scores there. Ones to Sixes reach exactly the 84 of the bonus; the total is 606.
#include "rules/game/Categories.h"

#include <array>

struct Turn {
    std::array<int, 6> faces;
    int score;
};

inline constexpr Turn Turns[CategoryCount] = {
    {{1, 1, 1, 1, 2, 3}, 4},  {{2, 2, 2, 2, 1, 3}, 8},   {{3, 3, 3, 3, 1, 2}, 12},
    {{4, 4, 4, 4, 1, 2}, 16}, {{5, 5, 5, 5, 1, 2}, 20},  {{6, 6, 6, 6, 1, 2}, 24},
    {{6, 6, 1, 2, 3, 4}, 12}, {{6, 6, 5, 5, 1, 2}, 22},  {{6, 6, 5, 5, 4, 4}, 30},
    {{6, 6, 6, 1, 2, 3}, 18}, {{6, 6, 6, 6, 1, 2}, 24},  {{6, 6, 6, 6, 6, 1}, 30},
    {{1, 2, 3, 4, 5, 5}, 15}, {{2, 3, 4, 5, 6, 6}, 20},  {{1, 2, 3, 4, 5, 6}, 21},
    {{6, 6, 6, 5, 5, 1}, 28}, {{6, 6, 6, 5, 5, 5}, 33},  {{6, 6, 6, 6, 5, 5}, 34},
    {{6, 6, 6, 6, 6, 5}, 35}, {{6, 6, 6, 6, 6, 6}, 100},
};
