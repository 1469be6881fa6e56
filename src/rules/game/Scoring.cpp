#include "rules/game/Scoring.h"

#include "rules/game/Categories.h"

namespace scoring {
namespace {

// The highest face with at least atLeast dice (exactly that many when exact), other than
// except; 0 when there is none. Searching from 6 down is what makes every rule prefer the
// higher face.
int highestFace(const FaceCounts& n, int atLeast, bool exact = false, int except = 0) {
    for (int f = 6; f >= 1; --f) {
        if (f != except && (exact ? n[f] == atLeast : n[f] >= atLeast)) return f;
    }
    return 0;
}

// A face with four or more dice is still one pair: each face is looked at once.
int pairs(const FaceCounts& n, int wanted) {
    int found = 0, sum = 0;
    for (int f = 6; f >= 1 && found < wanted; --f) {
        if (n[f] >= 2) {
            ++found;
            sum += f;
        }
    }
    return found == wanted ? 2 * sum : 0;
}

int groups(const FaceCounts& n, int big, int small, bool exact) {
    const int first = highestFace(n, big, exact);
    const int second = first ? highestFace(n, small, exact, first) : 0;
    return second ? big * first + small * second : 0;
}

bool allPresent(const FaceCounts& n, int from, int to) {
    for (int f = from; f <= to; ++f) {
        if (n[f] == 0) return false;
    }
    return true;
}

int score(const Category& c, const FaceCounts& n) {
    switch (c.rule) {
    case Rule::Face:
        return c.a * n[c.a];
    case Rule::Pairs:
        return pairs(n, c.a);
    case Rule::Kind:
        return c.a * highestFace(n, c.a);
    case Rule::Straight:
        return allPresent(n, c.a, c.b) ? c.highest : 0;
    case Rule::Groups:
        return groups(n, c.a, c.b, false);
    case Rule::ExactGroups:
        return groups(n, c.a, c.b, true);
    case Rule::Chance: {
        int sum = 0;
        for (int f = 1; f <= 6; ++f)
            sum += f * n[f];
        return sum;
    }
    case Rule::Yatzy:
        return highestFace(n, 6) ? c.highest : 0;
    }
    return 0;
}

} // namespace

FaceCounts FaceCount(const std::array<int, 6>& dice) {
    FaceCounts n{};
    for (int d : dice) {
        if (d >= 1 && d <= 6) ++n[d];
    }
    return n;
}

bool isRolled(const std::array<int, 6>& dice) {
    for (int d : dice) {
        if (d < 1 || d > 6) return false;
    }
    return true;
}

bool isBestScore(int categoryId, int score) {
    return isCategoryId(categoryId) && score == category(categoryId).highest;
}

} // namespace scoring

int ScoreOf(int categoryId, const std::array<int, 6>& dice) {
    if (!isCategoryId(categoryId) || !scoring::isRolled(dice)) return 0;
    return scoring::score(category(categoryId), scoring::FaceCount(dice));
}
