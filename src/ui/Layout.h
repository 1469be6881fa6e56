#pragma once
// Places of the main window's and the splash window's controls, in twips as the design gives
// them. The artwork is painted from the same numbers, so its slots and the controls agree.
#include "ui/Twips.h"

#include <array>

namespace layout {

struct Place {
    int left, top, width, height;
    constexpr QRect px() const { return twips::rect(left, top, width, height); }
};

inline constexpr int WindowWidth = 12000;
inline constexpr int WindowHeight = 9000;

// Title bar across the top: drag handle, clock and the window's own buttons.
inline constexpr Place Titellist{0, 0, 12000, 390};
inline constexpr Place Logo{90, 45, 300, 300};
inline constexpr Place ShowTime{7860, 75, 900, 255};
inline constexpr Place lblHelp{10710, 45, 300, 300};
inline constexpr Place lblSett{8820, 45, 1650, 300}; // wide enough for its caption
inline constexpr Place Minimera{11160, 45, 330, 300};
inline constexpr Place Avsluta{11580, 45, 330, 300};

// Top-10 list in the upper left: a heading with the user's name, then ten rows, all above
// the dice board.
inline constexpr Place TopHeading{600, 495, 4800, 315};
inline constexpr int ToppLeft = 600, ToppTop = 855, ToppWidth = 4800, ToppHeight = 210,
                     ToppStep = 210;
constexpr Place topp(int place) { // place 1..10
    return {ToppLeft, ToppTop + (place - 1) * ToppStep, ToppWidth, ToppHeight};
}
inline constexpr Place lb_User{2850, 525, 2475, 255};

// Dice table.
inline constexpr std::array<Place, 6> Dice{{{930, 3270, 1215, 1170},
                                            {2130, 3270, 1140, 1170},
                                            {3270, 3270, 1110, 1170},
                                            {4380, 3270, 1125, 1170},
                                            {5490, 3270, 1140, 1170},
                                            {6660, 3270, 1200, 1170}}};
// The dice board: a felt well for the dice over a rail that carries the buttons.
inline constexpr Place DiceTable{450, 3090, 8040, 2310};
inline constexpr Place Roll{6600, 4680, 1815, 585};
inline constexpr Place lbl_Roll{6690, 4815, 1635, 345};
// New game and Undo sit on the rail level with Roll; Undo keeps clear of Command1.
inline constexpr Place Undo{5250, 4815, 975, 315};
inline constexpr Place NyttSpel{600, 4815, 1575, 315};
inline constexpr Place Command1{2280, 4800, 1155, 345};
inline constexpr Place Rolls{9040, 3030, 465, 255};
inline constexpr Place Mrolls{8500, 2570, 465, 255};

// Message display strip and the text input above it.
inline constexpr Place MessageStrip{450, 7980, 6855, 855};
inline constexpr Place Text1{2280, 7470, 2865, 285};
inline constexpr Place Command2{5190, 7470, 465, 315};
inline constexpr Place ErrorPic{120, 8700, 240, 240};
inline constexpr Place SoundPic{7455, 8220, 360, 360};
inline constexpr Place Homepage{7950, 8280, 1500, 255};

// Scoreboard on the right.
inline constexpr int CategoryLeft = 9870, CategoryWidth = 2055;
inline constexpr int ScoreLeft = 11400, ScoreWidth = 405, ScoreHeight = 165;
inline constexpr std::array<int, 20> CategoryTop{1530, 1860, 2160, 2490, 2790, 3120, 3430,
                                                 3750, 4050, 4380, 4680, 5010, 5310, 5640,
                                                 5940, 6270, 6570, 6900, 7210, 7530};
inline constexpr std::array<int, 20> CategoryHeight{285, 255, 285, 255, 285, 285, 255,
                                                    255, 285, 255, 285, 255, 285, 255,
                                                    285, 255, 285, 255, 285, 255};
inline constexpr int ScoreTop1 = 1550;
inline constexpr std::array<int, 20> ScoreOffset{0,    315,  630,  940,  1260, 1570, 1890,
                                                 2200, 2520, 2830, 3160, 3470, 3790, 4090,
                                                 4410, 4720, 5040, 5360, 5670, 5980};
constexpr Place category(int id) { // CategoryId 1..20
    return {CategoryLeft, CategoryTop[id - 1], CategoryWidth, CategoryHeight[id - 1]};
}
constexpr Place score(int id) {
    return {ScoreLeft, ScoreTop1 + ScoreOffset[id - 1], ScoreWidth, ScoreHeight};
}
inline constexpr Place Bonus{11400, 7830, 405, 225};
inline constexpr Place scr_Tot{11400, 8130, 405, 225};
inline constexpr Place disp_Bonus{9870, 7840, 2055, 255};
inline constexpr Place disp_Total{9870, 8150, 2055, 255};
inline constexpr int IndikLeft = 11880, IndikSize = 135;
// The scoreboard panel the rows sit on.
inline constexpr Place Scoreboard{9750, 480, 2205, 8010};

// The splash window, 480 x 300 pixels. Its picture keeps a dark plate clear for the version
// in the lower right; the info line runs along the bottom left and has no plate of its own.
namespace splash {
inline constexpr int Width = 7200, Height = 4500;
inline constexpr Place lbl_Version{5580, 3900, 1275, 270};
inline constexpr Place sInfo{375, 3900, 3300, 270};
} // namespace splash

} // namespace layout
