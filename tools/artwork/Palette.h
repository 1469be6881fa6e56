#pragma once
// The colours of the table. Labels draw white, gold or grey text over the artwork, so every
// surface under text stays dark.
#include <QColor>

namespace palette {
inline const QColor FeltLight(34, 112, 68);
inline const QColor FeltDark(9, 44, 27);
inline const QColor WoodLight(92, 54, 30);
inline const QColor WoodDark(34, 19, 10);
inline const QColor Gold(224, 186, 98);
inline const QColor GoldDeep(140, 98, 36);
inline const QColor Slot(4, 17, 11);
inline const QColor SlotUpper(5, 19, 24);
inline const QColor Cell(2, 9, 6);
inline const QColor Led(8, 10, 9);
inline const QColor LedDot(30, 36, 33);
inline const QColor ButtonTop(44, 74, 52);
inline const QColor ButtonBottom(8, 22, 14);
inline const QColor ButtonRed(150, 22, 28);
inline const QColor ButtonRedDark(70, 6, 12);
} // namespace palette
