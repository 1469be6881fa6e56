#pragma once
// What six dice are worth in each category. Pure functions of the dice, shared by the entry of a
// category and by the preview after each roll; the rules themselves live in the category table.
#include <array>

// The points the dice score in category categoryId (1..20), 0 when they do not qualify. Dice
// that have not been rolled (all 0 before the first roll, or any value outside 1..6) and unknown
// categories score 0.
int ScoreOf(int categoryId, const std::array<int, 6>& dice);

namespace scoring {

// How many of the dice show each face; index 1..6, index 0 is unused.
using FaceCounts = std::array<int, 7>;

// Counts the dice per face. Values outside 1..6 are not counted.
FaceCounts FaceCount(const std::array<int, 6>& dice);

// True when all six dice show a face 1..6.
bool isRolled(const std::array<int, 6>& dice);

// Whether a recorded score is the category's highest, which the scoreboard shows apart.
bool isBestScore(int categoryId, int score);

} // namespace scoring
