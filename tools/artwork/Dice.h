#pragma once
// The 36 face pictures: six for each place in the row of dice, each place seen from its own
// angle and painted on the table exactly as the background shows it there.
#include <QImage>

namespace dice {
// The picture of the die at `place` (1..6) showing `value` (1..6), cut to the die's control.
QImage face(int place, int value, const QImage& background);
} // namespace dice
