#pragma once
// Where the main window goes on the desktop. The window is 800 x 600 pixels; the smallest
// desktop it was made for is an 800 x 600 screen less a 28-pixel panel, where it fills the work
// area from its top left corner and needs no title bar to be dragged by.
#include <QPoint>
#include <QSize>

namespace desktop {

// That smallest work area, in twips.
inline constexpr int SmallWidth = 12000, SmallHeight = 8580;

enum class Fit {
    TopLeft, // exactly the smallest work area: top left corner, title bar hidden
    Centre,  // larger both ways: centred across, a third of the free height from the top
    Keep,    // anything else: the window stays where it is, title bar shown
};

Fit screenFit(const QSize& workAreaTwips);

// The top left corner that centres `window` across `area` and leaves a third of the free height
// above it, in the units of the two sizes; negative when the window is the larger.
QPoint centred(const QSize& area, const QSize& window);

} // namespace desktop
