#pragma once
// The 5 x 7 font of the message display, and how one page of text becomes the states of the
// display's 455 dots. Pure functions: the widget only paints what they return.
#include <QStringView>

#include <bitset>
#include <span>
#include <string>
#include <string_view>

namespace dotmatrix {

inline constexpr int Cells = 13;
inline constexpr int Columns = 5;
inline constexpr int Rows = 7;
inline constexpr int DotsPerCell = Columns * Rows;   // 35
inline constexpr int DotCount = Cells * DotsPerCell; // 455

// Dots are numbered column by column, each column from top to bottom, and the columns of all
// cells run on without a break, so a page pattern is the glyphs of its cells laid end to end.
constexpr int dotIndex(int cell, int column, int row) {
    return (cell * Columns + column) * Rows + row;
}

// Lit dots of the whole display, by dot index.
using DotStates = std::bitset<DotCount>;

// One character of the font: 35 digits, digit k lights column k / 7, row k % 7 of the cell.
struct Glyph {
    char16_t character;
    std::string_view pattern;
};

// Every character with a glyph, upper case only.
std::span<const Glyph> font();

// The pattern of an upper-case character; empty when the font has no glyph for it.
std::string_view glyph(QChar character);

// Appends the glyph of one cell character ("" for a cell past the end of the text) to the
// page pattern. A character outside the font gives a dark cell, so the following cells keep
// their places and a comma or apostrophe reads as a gap.
void Abc101(QStringView cellCharacter, std::string& pagePattern);

// The dot states of a page pattern: digit i ("1" lit) gives dot i; missing digits are dark.
DotStates Abc2Bin(std::string_view pagePattern);

// The dots of one page: its first 13 characters, upper-cased, one per cell, the rest dark.
DotStates Bin2Scroll(QStringView pageText);

} // namespace dotmatrix
