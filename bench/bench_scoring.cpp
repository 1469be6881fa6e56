// Prints how long it takes to score every roll in every category and to preview every roll.
#include "rules/game/Categories.h"
#include "rules/game/Preview.h"
#include "rules/game/Scoring.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rolls = 46656;

std::vector<std::array<int, 6>> allRolls() {
    std::vector<std::array<int, 6>> rolls(Rolls);
    for (int code = 0; code < Rolls; ++code)
        for (int i = 0, c = code; i < 6; ++i, c /= 6)
            rolls[code][i] = c % 6 + 1;
    return rolls;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Best of a few passes, so a busy machine disturbs the figure less.
template <class F> double bestOf(int passes, F&& pass) {
    double best = 1e300;
    for (int p = 0; p < passes; ++p) {
        const auto start = Clock::now();
        pass();
        best = std::min(best, millisecondsSince(start));
    }
    return best;
}

} // namespace

int main() {
    const auto rolls = allRolls();
    std::array<bool, CategoryCount> open;
    open.fill(true);
    long long sink = 0;

    const double scoring = bestOf(5, [&] {
        for (const auto& d : rolls)
            for (int id = 1; id <= CategoryCount; ++id)
                sink += ScoreOf(id, d);
    });
    const double previewing = bestOf(5, [&] {
        for (const auto& d : rolls)
            sink += preview::CheckKateg(d, open, 7).marked;
    });

    std::printf("score %d rolls x %d categories: %.2f ms (%.1f ns per score)\n", Rolls,
                CategoryCount, scoring, scoring * 1e6 / (double(Rolls) * CategoryCount));
    std::printf("preview and marker choice for %d rolls: %.2f ms (%.2f us per roll)\n", Rolls,
                previewing, previewing * 1e3 / Rolls);
    std::printf("(checksum %lld)\n", sink);
    return 0;
}
