#pragma once
// The twenty scoring categories, by CategoryId 1..20. This one table gives every category its
// language key, its labels, its section, its highest score and its English design caption.
#include <array>

struct Category {
    int id;
    const char* nameKey;    // language key of the name, c1..c20
    const char* label;      // objectName of the clickable category label
    const char* scoreLabel; // objectName of the score label
    bool upper;             // Ones..Sixes
    int highest;            // best score the category can take
    const char* caption;    // English name, the label's caption until texts are applied
};

inline constexpr int CategoryCount = 20;

inline constexpr std::array<Category, CategoryCount> Categories{{
    {1, "c1", "btn_Ones", "scr_01", true, 6, "Ones"},
    {2, "c2", "btn_Twos", "scr_02", true, 12, "Twos"},
    {3, "c3", "btn_Threes", "scr_03", true, 18, "Threes"},
    {4, "c4", "btn_Fours", "scr_04", true, 24, "Fours"},
    {5, "c5", "btn_Fives", "scr_05", true, 30, "Fives"},
    {6, "c6", "btn_Sixes", "scr_06", true, 36, "Sixes"},
    {7, "c7", "btn_OnePair", "scr_07", false, 12, "One pair"},
    {8, "c8", "btn_TwoPairs", "scr_08", false, 22, "Two pairs"},
    {9, "c9", "btn_ThreePairs", "scr_09", false, 30, "Three pairs"},
    {10, "c10", "btn_ThreeKind", "scr_10", false, 18, "Three of a kind"},
    {11, "c11", "btn_FourKind", "scr_11", false, 24, "Four of a kind"},
    {12, "c12", "btn_FiveKind", "scr_12", false, 30, "Five of a kind"},
    {13, "c13", "btn_SmallStr", "scr_13", false, 15, "Small straight"},
    {14, "c14", "btn_LargeStr", "scr_14", false, 20, "Large straight"},
    {15, "c15", "btn_FullStr", "scr_15", false, 21, "Full straight"},
    {16, "c16", "btn_Hut", "scr_16", false, 28, "Hut"},
    {17, "c17", "btn_House", "scr_17", false, 33, "House"},
    {18, "c18", "btn_Tower", "scr_18", false, 34, "Tower"},
    {19, "c19", "btn_Chance", "scr_19", false, 36, "Chance"},
    {20, "c20", "btn_Yatzy", "scr_20", false, 100, "Yatzy"},
}};

constexpr const Category& category(int id) { return Categories[id - 1]; }
