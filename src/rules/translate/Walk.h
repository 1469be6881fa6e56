#pragma once
// The translator's walk over the texts of a language file: group by group (d, s, b, h, c), each
// from 1 up to its size in the reference language, one step per text. Pure: the sizes come from
// a lookup, and the walk never touches a file.
#include <QString>

#include <array>
#include <functional>

namespace translate {

// The text of a key in one language file; "" when it has none.
using Texts = std::function<QString(const QString& key)>;

inline constexpr std::array<char, 5> GroupOrder{'d', 's', 'b', 'h', 'c'};
// A reference group is read up to this many keys; a file that claims more is cut there.
inline constexpr int MaxGroupSize = 1000;
// Width of the full progress bar.
inline constexpr int BarTwips = 1365;

struct Groups {
    std::array<int, 5> size{}; // in GroupOrder
    int total() const;
};

// Each group's size: its keys g1, g2, ... up to the first empty text.
Groups groupSizes(const Texts& reference);

// The key of step 1..total; "" for a step outside the walk.
QString keyAt(const Groups& groups, int step);
// The step of a key of the walk; 0 for a key outside it.
int stepOf(const Groups& groups, const QString& key);

// One key on or back. Crossing a group border leads to the first key of the next group, or to
// the last of the previous one; groups without keys are passed over, so the key always stays in
// step with the walk. At either end the key stays where it is.
QString nextKey(const Groups& groups, const QString& key);
QString previousKey(const Groups& groups, const QString& key);

struct Progress {
    int translated = 0; // keys of the walk whose work text is not empty (blanks count)
    int total = 0;
    int percent = 0;   // whole percent, cut down: 72 of 73 is 98 %
    int barTwips = 0;  // BarTwips times the translated share
    bool done = false; // every key translated; never for an empty walk
};
Progress progress(const Groups& groups, const Texts& work);

} // namespace translate
