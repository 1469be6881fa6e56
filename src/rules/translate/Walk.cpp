#include "rules/translate/Walk.h"

#include <numeric>

namespace translate {
namespace {

struct Place {
    int group = -1; // index into GroupOrder, -1 when the key is not in the walk
    int number = 0;
};

Place placeOf(const Groups& groups, const QString& key) {
    if (key.size() < 2) return {};
    const auto letter = key[0].unicode();
    for (int g = 0; g < int(GroupOrder.size()); ++g) {
        if (letter != char16_t(GroupOrder[g])) continue;
        bool ok = false;
        const int number = key.mid(1).toInt(&ok);
        // Keys have no leading zeros or signs: "d01" and "d+1" are not d1.
        if (!ok || number < 1 || number > groups.size[g] || QString::number(number) != key.mid(1))
            return {};
        return {g, number};
    }
    return {};
}

QString keyOf(int group, int number) {
    return QLatin1Char(GroupOrder[group]) + QString::number(number);
}

} // namespace

int Groups::total() const {
    return std::accumulate(size.begin(), size.end(), 0);
}

Groups groupSizes(const Texts& reference) {
    Groups groups;
    for (int g = 0; g < int(GroupOrder.size()); ++g) {
        int n = 0;
        while (n < MaxGroupSize && !reference(keyOf(g, n + 1)).isEmpty())
            ++n;
        groups.size[g] = n;
    }
    return groups;
}

QString keyAt(const Groups& groups, int step) {
    if (step < 1) return {};
    for (int g = 0; g < int(GroupOrder.size()); ++g) {
        if (step <= groups.size[g]) return keyOf(g, step);
        step -= groups.size[g];
    }
    return {};
}

int stepOf(const Groups& groups, const QString& key) {
    const Place at = placeOf(groups, key);
    if (at.group < 0) return 0;
    int before = 0;
    for (int g = 0; g < at.group; ++g)
        before += groups.size[g];
    return before + at.number;
}

QString nextKey(const Groups& groups, const QString& key) {
    const Place at = placeOf(groups, key);
    if (at.group < 0) return key;
    if (at.number < groups.size[at.group]) return keyOf(at.group, at.number + 1);
    for (int g = at.group + 1; g < int(GroupOrder.size()); ++g)
        if (groups.size[g] > 0) return keyOf(g, 1);
    return key;
}

QString previousKey(const Groups& groups, const QString& key) {
    const Place at = placeOf(groups, key);
    if (at.group < 0) return key;
    if (at.number > 1) return keyOf(at.group, at.number - 1);
    for (int g = at.group - 1; g >= 0; --g)
        if (groups.size[g] > 0) return keyOf(g, groups.size[g]);
    return key;
}

Progress progress(const Groups& groups, const Texts& work) {
    Progress p;
    p.total = groups.total();
    if (p.total == 0) return p;
    int empty = 0;
    for (int step = 1; step <= p.total; ++step)
        if (work(keyAt(groups, step)).isEmpty()) ++empty;
    p.translated = p.total - empty;
    p.percent = 100 * p.translated / p.total;
    p.barTwips = BarTwips * p.translated / p.total;
    p.done = p.translated == p.total;
    return p;
}

} // namespace translate
