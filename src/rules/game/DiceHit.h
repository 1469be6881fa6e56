#pragma once
// Which dice a point of the window falls on, by the dice's hit areas in twips. Neighbouring
// areas overlap by a few twips, and a point in an overlap belongs to both dice.
#include <QList>

namespace dice {

struct HitArea {
    int left, right; // inclusive
};
inline constexpr HitArea HitAreas[6] = {{920, 2150},  {2120, 3280}, {3260, 4390},
                                        {4370, 5515}, {5480, 6640}, {6620, 7840}};
inline constexpr int HitTop = 3260, HitBottom = 4450; // inclusive

// The dice 1..6 under the point, in order.
inline QList<int> hitAt(int x, int y) {
    QList<int> dice;
    if (y < HitTop || y > HitBottom) return dice;
    for (int i = 0; i < 6; ++i)
        if (x >= HitAreas[i].left && x <= HitAreas[i].right) dice.append(i + 1);
    return dice;
}

} // namespace dice
