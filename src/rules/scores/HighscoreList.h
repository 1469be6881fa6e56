#pragma once
// The rules of the local top-10 list, on values alone: reading points, ranking a finished
// game among the ten places, and the texts made from a result.
#include <QString>

#include <array>

namespace scores {

inline constexpr int Places = 10;
inline constexpr int NameLength = 20;
inline const QString Anonymous = QStringLiteral("Anonymous");

// One place of the list, or the game just finished. Name, key and date stamp are kept as
// the text stored, so an empty date stamp stays empty when the list is written back.
struct Entry {
    qint16 points = 0; // 0 marks an empty place
    QString name;
    QString key;
    QString dateStamp;
    bool operator==(const Entry&) const = default;
};

using List = std::array<Entry, Places>; // index 0 is place 1

// Stored points as a whole number: the fraction cut off, anything that is not a number
// reads as 0, and values beyond 16 bits are held at the nearest end.
qint16 wholePoints(const QString& text);
qint16 toPoints(qint64 total);

// The place 1..10 that a result would take, or 0. Strictly greater wins, so a tie ranks
// below the entry already there; a result of 0 or less never enters.
int placeFor(const List& list, qint16 points);
// Puts `pending` into its place, moving the places below it down one and dropping the old
// place 10. Returns the place taken, or 0 when the list is unchanged.
int insertEntry(List& list, const Entry& pending);

// Play time as minutes ":" two-digit seconds: 125 gives 2:05, 600 gives 10:00.
QString playTime(int seconds);

// The name kept for a new entry: the first 20 characters; an empty answer is "Anonymous".
QString playerName(const QString& answer);

// The log text of a finished game, without the full stop the log adds.
QString sessionLogText(qint64 session, int points, const QString& time, int newPlace,
                       const QString& name);

// The text of the box that announces a result, from the language text b5.
QString resultMessage(const QString& b5, int points);

// A list label's caption, or "" when any of its three stored values is empty (the caption
// is then left as it was).
QString toppCaption(int place, const QString& points, const QString& name, const QString& key);
// A list label's tooltip from the language text h1; "" when help texts are off or the
// place is empty.
QString toppTooltip(bool showHelpText, const QString& h1, const QString& points);

} // namespace scores
