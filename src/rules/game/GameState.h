#pragma once
// The game in progress. One instance for the run; Restart sets it up for each game.
#include <QtGlobal>

#include <array>

struct GameState {
    std::array<int, 6> dice{};           // values 1..6 once rolled, 0 before the first roll
    std::array<bool, 6> onTable{};       // the die lies on the table with its value
    int rollsLeft = 60;                  // the game's pool of rolls
    int categoriesLeft = 20;             // open categories, the turns still to play
    std::array<int, 20> categoryScore{}; // by CategoryId - 1
    int total = 0;
    int upperBalance = -84; // upper-section points minus 84
    int upperFilled = 0;    // upper-section categories entered
    bool bonusAwarded = false;
    bool entryLocked = false;     // from an entry until the next roll
    bool scoringPossible = false; // an open category scores with the current dice
    qint16 playSeconds = 0;

    static constexpr int PoolSize = 60;
    static constexpr int CategoryCount = 20;
    static constexpr int UpperTarget = 84;
};
