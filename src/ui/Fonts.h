#pragma once
// The design's fonts, sized as they were on a 96-dpi desktop so that text fits its fixed
// places whatever the screen's resolution. DejaVu stands in where a face is missing.
#include <QFont>

namespace fonts {
QFont verdana(double points, bool bold = false);
QFont sansSerif(double points = 8.25, bool bold = false); // the window's default font
} // namespace fonts
