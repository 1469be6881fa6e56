#pragma once
// The splash window's picture (480 x 300): the game's name engraved in gold on the lit felt,
// the window's die as a crest above it, three thrown dice below, all in a wooden frame like
// the main window's, with a dark plate left clear for the version label in the lower right.
#include <QImage>

namespace splash {
// At `scale` 2 the picture is painted at twice the resolution (see paint::scaledImage).
QImage paint(int scale = 1);
} // namespace splash
