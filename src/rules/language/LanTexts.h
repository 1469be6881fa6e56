#pragma once
// The captions and tooltips that applying a language writes, computed from the language's texts
// and a few profile values without touching any window.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct Program;

namespace language {

// The text of a language key in the selected language.
using Lookup = std::function<QString(const QString& key)>;

enum class Window { Main, Settings, Menu };
enum class Property { Caption, ToolTip };

// One caption or tooltip of a named control. An empty control name stands for the window
// itself, whose caption is its title; the caption of a combo box is its text.
struct Assignment {
    Window window;
    QString control;
    Property property;
    QString text;
};

// What the texts depend on besides the language file.
struct LanInputs {
    QString settingsMode; // "all", "user", "alarm", or "" before the first opening
    bool showHelpText = false;
    QStringList points;   // Highscore p1..p10 as stored
    int users = 0;        // Users antal
    QString userName;     // name of the selected user
    QString languageName; // display name of the selected language
    QString author;       // Info Author of the selected language file
};

// Reads the inputs for the program's current LanguageFile and the settings page on show;
// locate the language first.
LanInputs readLanInputs(const Program& program, const QString& settingsMode);

// Every caption and tooltip, in the order they are applied. Frame captions that the settings
// page keeps as designed are left out.
QList<Assignment> lanTexts(const LanInputs& in, const Lookup& lookup);

// Locates the selected language, makes it the program's LanguageFile, and gives every caption
// and tooltip in it for the settings page `settingsMode`.
QList<Assignment> selectedLanguageTexts(Program& program, const QString& settingsMode);

// Pieces that other windows build the same way.
inline QString padded(const QString& text) {
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}
// Tooltip of a top-10 row: the help text and the place's points.
QString toppTip(const QString& h1, const QString& points);
// The user label: the user's name, else the text for "no user", else a fixed English one.
QString userCaption(const QString& name, const QString& noUser);

} // namespace language
