#pragma once
// The twenty scoring categories, by CategoryId 1..20. This one table gives every category its
// language key, its labels, its section, its highest score, its English caption and the
// rule that scores it.
#include <array>

// How a category scores six dice; a and b are the rule's parameters. ScoreOf applies them.
enum class Rule : unsigned char {
    Face,        // face a: a x its count
    Pairs,       // the a highest faces with two or more dice: twice their sum
    Kind,        // the highest face with a or more dice: a x that face
    Straight,    // faces a to b all present: the fixed highest score
    Groups,      // a face with a or more dice and another with b or more: a x first + b x second
    ExactGroups, // as Groups, but with exactly a and exactly b dice
    Chance,      // the sum of the dice
    Yatzy,       // all six dice equal: the fixed highest score, whatever the face
};

struct Category {
    int id;
    const char* nameKey;    // language key of the name, c1..c20
    const char* label;      // objectName of the clickable category label
    const char* scoreLabel; // objectName of the score label
    bool upper;             // Ones..Sixes
    int highest;            // best score the category can take
    const char* caption;    // English name, the label's caption until texts are applied
    Rule rule;
    int a = 0;
    int b = 0;
};

inline constexpr int CategoryCount = 20;

inline constexpr std::array<Category, CategoryCount> Categories{{
    {1, "c1", "btn_Ones", "scr_01", true, 6, "Ones", Rule::Face, 1},
    {2, "c2", "btn_Twos", "scr_02", true, 12, "Twos", Rule::Face, 2},
    {3, "c3", "btn_Threes", "scr_03", true, 18, "Threes", Rule::Face, 3},
    {4, "c4", "btn_Fours", "scr_04", true, 24, "Fours", Rule::Face, 4},
    {5, "c5", "btn_Fives", "scr_05", true, 30, "Fives", Rule::Face, 5},
    {6, "c6", "btn_Sixes", "scr_06", true, 36, "Sixes", Rule::Face, 6},
    {7, "c7", "btn_OnePair", "scr_07", false, 12, "One pair", Rule::Pairs, 1},
    {8, "c8", "btn_TwoPairs", "scr_08", false, 22, "Two pairs", Rule::Pairs, 2},
    {9, "c9", "btn_ThreePairs", "scr_09", false, 30, "Three pairs", Rule::Pairs, 3},
    {10, "c10", "btn_ThreeKind", "scr_10", false, 18, "Three of a kind", Rule::Kind, 3},
    {11, "c11", "btn_FourKind", "scr_11", false, 24, "Four of a kind", Rule::Kind, 4},
    {12, "c12", "btn_FiveKind", "scr_12", false, 30, "Five of a kind", Rule::Kind, 5},
    {13, "c13", "btn_SmallStr", "scr_13", false, 15, "Small straight", Rule::Straight, 1, 5},
    {14, "c14", "btn_LargeStr", "scr_14", false, 20, "Large straight", Rule::Straight, 2, 6},
    {15, "c15", "btn_FullStr", "scr_15", false, 21, "Full straight", Rule::Straight, 1, 6},
    {16, "c16", "btn_Hut", "scr_16", false, 28, "Hut", Rule::Groups, 3, 2},
    {17, "c17", "btn_House", "scr_17", false, 33, "House", Rule::ExactGroups, 3, 3},
    {18, "c18", "btn_Tower", "scr_18", false, 34, "Tower", Rule::ExactGroups, 4, 2},
    {19, "c19", "btn_Chance", "scr_19", false, 36, "Chance", Rule::Chance},
    {20, "c20", "btn_Yatzy", "scr_20", false, 100, "Yatzy", Rule::Yatzy},
}};

constexpr const Category& category(int id) {
    return Categories[id - 1];
}
constexpr bool isCategoryId(int id) {
    return id >= 1 && id <= CategoryCount;
}
