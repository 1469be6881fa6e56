#pragma once
// The keys of a language file: its two sections, the Info keys that describe it, and every text
// key the program reads, each named once. Texts are looked up with Program::text.
#include <QString>
#include <QStringList>

#include <array>

namespace language {

inline const QString LanguageSection = QStringLiteral("Language");
inline const QString InfoSection = QStringLiteral("Info");

// Keys of the Info section.
namespace infoKey {
inline const QString International = QStringLiteral("international"); // the English name
inline const QString National = QStringLiteral("national");           // the language's own name
inline const QString Author = QStringLiteral("Author");
} // namespace infoKey

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

// The text keys by what they say. The category names c1..c20 are in the category table.
namespace text {

struct Key {
    const char* id;
    QString name() const { return QLatin1String(id); }
};

// Messages on the display.
inline constexpr Key Welcome{"d1"}, Total{"d2"}, DoesNotFit{"d3"}, LastRoll{"d4"}, SixAlike{"d5"},
    NewGame{"d6"}, Sending{"d7"}, NoBonus{"d8"};
// The settings window and the main window's captions.
inline constexpr Key NoUser{"s1"}, User{"s2"}, WarnBefore{"s3"}, ExitTheGame{"s4"},
    StartNewGame{"s5"}, VisitHomepage{"s6"}, Sound{"s7"}, Mute{"s8"}, About{"s9"}, Version{"s10"},
    GamesPlayed{"s11"}, ScoresSent{"s12"}, BestEver{"s13"}, Language{"s14"}, View{"s15"},
    SplashScreen{"s16"}, Clock{"s17"}, Alarm{"s18"}, Settings{"s19"}, HelpTexts{"s20"},
    SelectedLanguage{"s21"}, CurrentUser{"s22"}, EnterUser{"s23"}, RollWord{"s24"}, Close{"s25"},
    HelpPage{"s26"}, ShowBestChoice{"s27"}, Translate{"s28"};
// Boxes: the confirmations' title and the questions.
inline constexpr Key ConfirmTitle{"b1"}, AskNewGame{"b2"}, NewHighscore{"b3"}, AskName{"b4"},
    GameOver{"b5"}, AskExit{"b6"}, AskClearList{"b7"}, AskSend{"b8"};
// Help tooltips.
inline constexpr Key SendTip{"h1"}, SoundTip{"h2"}, RollsTip{"h3"}, RollsPerCategoryTip{"h4"},
    AddUserTip{"h5"}, RemoveUserTip{"h6"}, TitleTip{"h7"}, MinimiseTip{"h8"}, ExitTip{"h9"};

} // namespace text
