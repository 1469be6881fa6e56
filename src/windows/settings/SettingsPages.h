#pragma once
// The settings window's places in twips, and its three pages: "all" settings, the "user" page
// and the "alarm" page, each with its own window size, icon and frames.
#include "ui/Layout.h"

#include <QSize>
#include <QString>

#include <optional>

namespace settingsLayout {

using layout::Place;

// The page sizes are those of a window with a title bar and borders; the window we lay out is
// what lies inside them.
inline constexpr int BorderWidth = 90;
inline constexpr int TitleAndBorderHeight = 375;
inline constexpr int Margin = 120;

inline constexpr int ButtonHeight = 360;
inline constexpr int ComboHeight = 315;
inline constexpr int TextHeight = 300;
inline constexpr int CheckHeight = 285;
// Where a frame's contents begin, below its caption.
inline constexpr int FrameTop = 300;

// Frames as they stand on the "all" page: user, views and the statistics on the left; the
// language, warnings, sound, alarm and the clearing button on the right.
inline constexpr Place Frame2{120, 90, 3135, 1500};
inline constexpr Place Frame5{120, 1665, 3135, 1500};
inline constexpr Place Frame6{120, 3240, 3135, 1800};
inline constexpr Place Frame1{3450, 90, 2325, 1095};
inline constexpr Place Frame4{3450, 1260, 2325, 1215};
inline constexpr Place Frame3{3450, 2550, 2325, 645};
inline constexpr Place Frame7{3450, 3270, 2325, 975};
inline constexpr Place Command3{3450, 4365, 2325, ButtonHeight};
inline constexpr int Command4Width = 1215;

// Inside Frame2 (places within the frame).
inline constexpr Place List3{150, FrameTop + 30, 2115, ComboHeight};
inline constexpr Place Command1{2325, FrameTop + 30, 330, ComboHeight};
inline constexpr Place Command2{2685, FrameTop + 30, 330, ComboHeight};
inline constexpr Place Label1{150, 810, 2865, CheckHeight};
inline constexpr Place lblEnter{120, FrameTop - 15, 2985, 300};
inline constexpr Place txtUser{150, 600, 2115, TextHeight};
inline constexpr Place txtPass{150, 990, 2115, TextHeight};
inline constexpr Place butOK{2325, 990, 690, TextHeight};

// Inside Frame1.
inline constexpr Place List1{120, FrameTop + 30, 2085, ComboHeight};
inline constexpr Place setTranslate{120, 705, 1215, TextHeight};

// Rows of check boxes inside their frames: the first row's top and the step between rows.
inline constexpr int CheckLeft = 150, CheckFirstTop = FrameTop, CheckStep = 285;

// Inside Frame6.
inline constexpr Place Label2{150, 225, 2865, 300};
inline constexpr Place lblInfo{150, 600, 1770, 1110};
inline constexpr Place lblInfo2{1935, 600, 1080, 1110};

// Inside Frame7, as on the "all" page.
inline constexpr Place Check9{120, FrameTop, 225, CheckHeight};
inline constexpr Place Combo1{390, FrameTop - 15, 660, ComboHeight};
inline constexpr Place Combo2{1110, FrameTop - 15, 675, ComboHeight};
inline constexpr Place Text1{120, 630, 2085, TextHeight};

// A page of the window.
struct Page {
    int icon;          // window icon resource
    int width, height; // the window with its title bar and borders
    const char* only;  // the one frame shown, or null for all seven
    bool clearButton;  // Command3 shown
    int closeTop;      // Command4
    Place frame7;
    int check9Width;
    bool check9Captioned; // the alarm box carries the word for the alarm
    int text1Width;
    int combo1Left, combo1Width, combo2Left;
};

// The page for a SettingsMode; none for any other value, which leaves the window as it is.
std::optional<Page> pageFor(const QString& mode);

// The window's own area, in pixels.
QSize clientSize(const Page& page);

} // namespace settingsLayout
