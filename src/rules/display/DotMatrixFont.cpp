#include "rules/display/DotMatrixFont.h"

#include <algorithm>
#include <array>

namespace dotmatrix {
namespace {

constexpr Glyph Font[] = {
    {u'A', "00111110101000100100001010000011111"},
    {u'\u00C1', "00011110010100011010010101000001111"}, // A with acute
    {u'B', "11111111001001100100110010010110110"},
    {u'C', "01111101000001100000110000010100010"},
    {u'D', "11111111000001100000101000100011100"},
    {u'E', "11111111001001100100110010011000001"},
    {u'\u00C9', "00111110010101011010110101010010001"}, // E with acute
    {u'F', "11111111001000100100010010001000000"},
    {u'G', "01111101000001100100110010010001110"},
    {u'H', "11111110001000000100000010001111111"},
    {u'I', "00000001000001111111110000010000000"},
    {u'\u00CD', "00000000010001011111110100010000000"}, // I with acute
    {u'J', "00000100000001000000100000011111110"},
    {u'K', "11111110001000001010001000101000001"},
    {u'L', "11111110000001000000100000010000001"},
    {u'M', "11111110100000001000001000001111111"},
    {u'N', "11111110010000000100000001001111111"},
    {u'O', "01111101000001100000110000010111110"},
    {u'P', "11111111001000100100010010000110000"},
    {u'Q', "01111101000001100010110000110111110"},
    {u'R', "11111111001000100110010010100110001"},
    {u'S', "01100101001001100100110010010100110"},
    {u'T', "10000001000000111111110000001000000"},
    {u'U', "11111100000001000000100000011111110"},
    {u'\u00DC', "00111101000001000000110000010011110"}, // U with diaeresis
    {u'V', "11111000000010000000100000101111100"},
    {u'W', "11111110000010000010000000101111111"},
    {u'X', "11000110010100000100000101001100011"},
    {u'Y', "11000000010000000111100100001100000"},
    {u'Z', "10000111000101100100110100011100001"},
    {u'\u00C5', "00011111110100101010011101000001111"}, // A with ring above
    {u'\u00C4', "00011111010100001010010101000001111"}, // A with diaeresis
    {u'\u00D6', "00011101010001001000110100010001110"}, // O with diaeresis
    {u'\u00D8', "01111101000101100100110100010111110"}, // O with stroke
    {u'\u00C6', "00111110101000111111110010011000001"}, // AE ligature
    {u'\u00D1', "10111111001000010010001000101011111"}, // N with tilde
    {u'1', "00000000100001111111100000010000000"},
    {u'2', "01000011000011100010110010010110001"},
    {u'3', "01000101000001100100110010010110110"},
    {u'4', "11110000001000000100000010001111111"},
    {u'5', "11110101001001100100110010010000110"},
    {u'6', "00011100011001010100110010010000110"},
    {u'7', "10000001000000100111110100001100000"},
    {u'8', "01101101001001100100110010010110110"},
    {u'9', "01100001001001100101010011000111000"},
    {u'0', "01111101000001100000110000010111110"}, // same pattern as O
    {u'!', "00000000000000111110100000000000000"},
    {u'?', "01000001000000100110110100000100000"},
    {u'*', "01000100010100111111100101000100010"},
    {u'_', "00010000001000000100000010000001000"}, // dash across the whole cell
    {u'-', "00000000001000000100000010000000000"}, // short dash
    {u'+', "00010000001000011111000010000001000"},
    {u'<', "00010000010100010001010000010000000"},
    {u'>', "10000010100010001010000010000000000"},
    {u'=', "01000100100010010001001000100100010"},
    {u'^', "00100000100000111111101000000010000"},
    {u'{', "01100001111000111110001111100011111"}, // left half of a heart
    {u'}', "01111101111100111100001100000000000"}, // right half of a heart
    {u'.', "00000000000011000001100000000000000"},
    {u':', "00000000110011011001100000000000000"},
    {u'/', "00000110000110000110000110000110000"},
    {u'@', "01111101000001101110110101010111100"},
    {u'\u00BF', "00000100000101101100100000010000010"}, // inverted question mark
    {u'\u00A1', "00000000000000101111100000000000000"}, // inverted exclamation mark
    {u' ', "00000000000000000000000000000000000"},      // space: all dark
};

constexpr std::string_view Dark = "00000000000000000000000000000000000";
static_assert(Dark.size() == DotsPerCell);

// Every character of the font lies below U+0100, so a table by code point finds a glyph in
// one step; the display redraws all 13 cells on every page.
constexpr std::array<std::string_view, 256> ByCode = [] {
    std::array<std::string_view, 256> table{};
    for (const Glyph& g : Font)
        table[g.character] = g.pattern;
    return table;
}();

constexpr bool wellFormed() {
    for (const Glyph& g : Font) {
        if (g.pattern.size() != DotsPerCell) return false;
        for (char digit : g.pattern)
            if (digit != '0' && digit != '1') return false;
    }
    return true;
}
static_assert(wellFormed(), "every glyph is 35 digits 0 or 1");
static_assert(std::size(Font) == 65);

} // namespace

std::span<const Glyph> font() {
    return Font;
}

std::string_view glyph(QChar character) {
    const char16_t code = character.unicode();
    return code < ByCode.size() ? ByCode[code] : std::string_view();
}

void Abc101(QStringView cellCharacter, std::string& pagePattern) {
    std::string_view found = Dark;
    if (cellCharacter.size() == 1) {
        const std::string_view g = glyph(cellCharacter.front());
        if (!g.empty()) found = g;
    }
    pagePattern.append(found);
}

DotStates Abc2Bin(std::string_view pagePattern) {
    DotStates lit;
    const std::size_t n = std::min<std::size_t>(pagePattern.size(), DotCount);
    for (std::size_t i = 0; i < n; ++i)
        if (pagePattern[i] == '1') lit.set(i);
    return lit;
}

DotStates Bin2Scroll(QStringView pageText) {
    std::string pattern;
    pattern.reserve(DotCount);
    for (qsizetype k = 0; k < Cells; ++k) {
        if (k < pageText.size()) {
            // One code unit at a time: a full-string upper-casing could turn one character
            // into two (sharp s) and push the rest of the page along.
            const QChar upper = pageText[k].toUpper();
            Abc101(QStringView(&upper, 1), pattern);
        } else {
            Abc101(QStringView(), pattern);
        }
    }
    return Abc2Bin(pattern);
}

} // namespace dotmatrix
