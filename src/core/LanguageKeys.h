#pragma once
// The keys the program reads from a language file, and the names of its two sections.
#include <QString>
#include <QStringList>

#include <array>

namespace language {

inline const QString LanguageSection = QStringLiteral("Language");
inline const QString InfoSection = QStringLiteral("Info");

struct KeyGroup {
    char letter;
    int size;
};

// Display messages, settings and general labels, boxes, help tooltips, category names; in the
// order the translation tools walk them.
inline constexpr std::array<KeyGroup, 5> KeyGroups{
    {{'d', 8}, {'s', 28}, {'b', 8}, {'h', 9}, {'c', 20}}};

inline QString key(char group, int number) {
    return QLatin1Char(group) + QString::number(number);
}

// d1..d8, s1..s28, b1..b8, h1..h9, c1..c20.
inline QStringList programKeys() {
    QStringList keys;
    for (const KeyGroup& g : KeyGroups)
        for (int n = 1; n <= g.size; ++n)
            keys << key(g.letter, n);
    return keys;
}

} // namespace language
