#pragma once
// The 36 face pictures: six for each place in the row of dice, each place seen from its own
// angle and painted on the table exactly as the background shows it there.
#include <QImage>

namespace dice {
// The picture of the die at `place` (1..6) showing `value` (1..6), cut to the die's control.
// At `scale` 2 it is traced at twice the resolution from the background painted at 2.
QImage face(int place, int value, const QImage& background, int scale = 1);
} // namespace dice
