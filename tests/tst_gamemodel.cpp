// The game model without any window: whole games on scripted dice, the entry lock, picking up
// and putting back, undo after a re-roll, the last roll of the pool, the upper bonus, and a new
// game leaving nothing of the old one behind.
#include "GameTurns.h"
#include "rules/game/GameModel.h"

#include <QTest>

#include <algorithm>
#include <numeric>

using Dice = std::array<int, 6>;
using Step = std::pair<int, int>; // upper face entered, with how many dice of it
Q_DECLARE_METATYPE(BonusOutcome)
Q_DECLARE_METATYPE(EntryOutcome)

namespace {
// Rolls the dice off the table so that they show `faces`, taken in order, one per thrown die.
RollResult roll(GameModel& game, std::initializer_list<int> faces) {
    QList<int> queue(faces);
    return game.roll([&queue] {
        // A die shows int(r * 6) + 1: the middle of each sixth gives that face.
        const int face = queue.isEmpty() ? 1 : queue.takeFirst();
        return (face - 0.5) / 6.0;
    });
}
RollResult roll(GameModel& game, const Dice& d) {
    return roll(game, {d[0], d[1], d[2], d[3], d[4], d[5]});
}

// Fills every category but `open` with its turn.
void playAllBut(GameModel& game, int open) {
    for (int id = 1; id <= CategoryCount; ++id) {
        if (id == open) continue;
        roll(game, Turns[id - 1].faces);
        QCOMPARE(game.enter(id).outcome, EntryOutcome::Entered);
    }
}
} // namespace

class GameModelTest : public QObject {
    Q_OBJECT

  private slots:
    void wholeGameOnScriptedDice() {
        GameModel game = GameModel::newGame();
        QCOMPARE(game.enter(1).outcome, EntryOutcome::Rejected); // nothing rolled yet
        int expected = 0;
        for (int id = 1; id <= CategoryCount; ++id) {
            const RollResult r = roll(game, Turns[id - 1].faces);
            QVERIFY(r.rolled);
            QCOMPARE(r.firstOfGame, id == 1);
            QVERIFY(r.preview.scoringPossible);
            QCOMPARE(std::count(r.thrown.begin(), r.thrown.end(), true), 6);
            const EntryResult e = game.enter(id);
            expected += e.score;
            QCOMPARE(e.score, Turns[id - 1].score);
            QCOMPARE(e.totalBefore,
                     game.state().total - (e.bonus == BonusOutcome::Awarded ? 100 : 0));
            QCOMPARE(e.upper, id <= 6);
            QCOMPARE(e.yatzy, id == 20);
            QVERIFY(!game.isOpen(id));
            QCOMPARE(e.gameOver, id == CategoryCount);
            QCOMPARE(game.canRoll(), id < CategoryCount);
            if (id == 6) QCOMPARE(e.bonus, BonusOutcome::Awarded); // exactly 84
        }
        QCOMPARE(expected, 506);
        QCOMPARE(game.state().total, 606);
        QVERIFY(game.isOver());
        QCOMPARE(game.state().rollsLeft, 40); // the rolls left over are lost
        QCOMPARE(game.state().categoriesLeft, 0);
        QCOMPARE(game.state().upperFilled, 6);
        QVERIFY(game.state().bonusAwarded);
        QVERIFY(!roll(game, {1, 1, 1, 1, 1, 1}).rolled);
    }

    void entryLockHoldsUntilTheNextRoll() {
        GameModel game;
        roll(game, {6, 6, 6, 6, 6, 6});
        QCOMPARE(game.enter(20).outcome, EntryOutcome::Entered);
        // The table is cleared and locked: another category takes nothing, not even a refusal.
        QVERIFY(game.state().entryLocked);
        QCOMPARE(game.state().onTable, (std::array<bool, 6>{}));
        QCOMPARE(game.enter(19).outcome, EntryOutcome::Ignored);
        QVERIFY(game.isOpen(19));
        QVERIFY(game.canRoll() && !game.canUndo());
        roll(game, {1, 2, 3, 4, 5, 6});
        QVERIFY(!game.state().entryLocked);
        QCOMPARE(game.enter(15).score, 21);
    }

    void entries_data() {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("id");
        QTest::addColumn<EntryOutcome>("outcome");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("best");
        QTest::addColumn<int>("balance"); // upperBalance afterwards, from -84
        using E = EntryOutcome;
        const Dice sixes{6, 6, 6, 6, 6, 6};
        QTest::newRow("Fives, not the best")
            << Dice{2, 2, 2, 5, 5, 5} << 5 << E::Entered << 15 << false << -69;
        QTest::newRow("Sixes at best") << sixes << 6 << E::Entered << 36 << true << -48;
        QTest::newRow("Yatzy, not upper") << sixes << 20 << E::Entered << 100 << true << -84;
        QTest::newRow("does not fit")
            << Dice{1, 2, 3, 4, 5, 6} << 7 << E::Rejected << 0 << false << -84;
        QTest::newRow("id 21") << sixes << 21 << E::Ignored << 0 << false << -84;
        QTest::newRow("id 0") << sixes << 0 << E::Ignored << 0 << false << -84;
    }
    void entries() {
        QFETCH(Dice, dice);
        QFETCH(int, id);
        QFETCH(EntryOutcome, outcome);
        QFETCH(int, score);
        GameModel game;
        roll(game, dice);
        // Half the dice picked up to roll again: they still count until the next roll.
        for (int die : {4, 5, 6})
            QVERIFY(game.pickUp(die));
        const EntryResult r = game.enter(id);
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(r.score, score);
        QTEST(r.best, "best");
        QTEST(game.state().upperBalance, "balance");
        QCOMPARE(game.state().total, score);
        for (int c = 1; c <= CategoryCount; ++c) {
            QCOMPARE(game.state().categoryScore[c - 1], c == id ? score : 0);
            QCOMPARE(game.isOpen(c), c != id || outcome != EntryOutcome::Entered);
        }
        if (outcome == EntryOutcome::Rejected) {
            // The turn goes on as it was.
            QVERIFY(game.canUndo() && game.canRoll());
            QCOMPARE(game.state().categoriesLeft, CategoryCount);
        }
        if (outcome == EntryOutcome::Entered) {
            QCOMPARE(game.enter(id).outcome, EntryOutcome::Ignored); // filled, and locked
            QCOMPARE(game.state().categoriesLeft, CategoryCount - 1);
        }
    }

    void pickingUpAndPuttingBack() {
        GameModel game;
        QVERIFY(!game.pickUp(1)); // nothing on the table before the first roll
        QVERIFY(!game.putBack(1));
        roll(game, {3, 3, 3, 3, 2, 1});
        QVERIFY(!game.canRoll() && !game.canUndo());
        QVERIFY(!game.pickUp(0) && !game.pickUp(7));
        QVERIFY(game.pickUp(5) && game.pickUp(6));
        QVERIFY(!game.pickUp(5)); // already off the table
        QVERIFY(game.canRoll() && game.canUndo());

        // A re-roll throws exactly the two picked up, and Undo has nothing to undo after it.
        const RollResult r = roll(game, {3, 3});
        QCOMPARE(r.thrown, (std::array<bool, 6>{false, false, false, false, true, true}));
        QCOMPARE(game.state().dice, (Dice{3, 3, 3, 3, 3, 3}));
        QVERIFY(r.allAlike);
        QVERIFY(!game.canUndo() && !game.undo());

        // Undo puts every die back and leaves rolling possible: that roll spends a roll for
        // nothing.
        QVERIFY(game.pickUp(2));
        QVERIFY(game.undo());
        QVERIFY(game.allOnTable() && game.canRoll() && !game.canUndo());
        const int before = game.state().rollsLeft;
        QCOMPARE(roll(game, {1, 1, 1}).thrown, (std::array<bool, 6>{}));
        QCOMPARE(game.state().rollsLeft, before - 1);
        QCOMPARE(game.state().dice, (Dice{3, 3, 3, 3, 3, 3}));

        // The end of a drag puts the shown dice on the table; with all six there, no roll.
        QVERIFY(game.pickUp(1) && game.pickUp(2));
        QVERIFY(game.putBack(1));
        QVERIFY(game.canRoll());
        game.settleTable({true, true, true, true, true, true});
        QVERIFY(!game.canRoll() && game.canUndo());
    }

    void lastRollOfThePool() {
        // The last roll fits nothing open: the game is over without a further entry.
        GameModel game;
        playAllBut(game, 20);
        game.leaveOneRoll();
        RollResult r = roll(game, {1, 2, 3, 4, 5, 6});
        QVERIFY(r.lastRoll && r.gameOver && game.isOver());
        QVERIFY(!r.preview.scoringPossible && !game.state().scoringPossible);
        QVERIFY(!game.pickUp(1)); // nothing can be picked up with the pool spent

        // It fits: the player enters it, and that entry ends the game.
        GameModel other;
        other.leaveOneRoll();
        r = roll(other, {2, 2, 2, 2, 2, 2});
        QVERIFY(r.lastRoll && !r.gameOver && !other.isOver());
        const EntryResult e = other.enter(2);
        QVERIFY(e.gameOver && other.isOver() && !other.canRoll());
        QCOMPARE(other.state().categoriesLeft, CategoryCount - 1);
    }

    void upperSection_data() {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QList<BonusOutcome>>("outcomes");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("caption"); // of Bonus after the last step
        QTest::addColumn<QString>("message"); // after the last step
        using B = BonusOutcome;
        const auto running = [](int n) { return QList<B>(n, B::Running); };
        QTest::newRow("exactly 84 with the sixth entry")
            << QList<Step>{{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << running(5) + QList<B>{B::Awarded} << 184 << "100"
            << "bonus! + 100";
        QTest::newRow("83 after the sixth misses")
            << QList<Step>{{1, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << running(5) + QList<B>{B::Missed} << 83 << "0"
            << "Ingen bonus";
        QTest::newRow("reached early, awarded once")
            << QList<Step>{{6, 6}, {5, 6}, {4, 6}, {3, 1}, {2, 1}, {1, 1}}
            << running(2) + QList<B>{B::Awarded} + QList<B>(3, B::AlreadyAwarded) << 196 << "100"
            << "";
        QTest::newRow("one short after five entries")
            << QList<Step>{{6, 5}, {5, 5}, {4, 1}, {3, 1}, {2, 1}} << running(5) << 64 << "-20"
            << "";
    }
    void upperSection() {
        QFETCH(QList<Step>, steps);
        QFETCH(QList<BonusOutcome>, outcomes);
        GameModel game;
        QList<BonusOutcome> seen;
        for (auto [face, count] : steps) {
            Dice d{};
            d.fill(face == 1 ? 2 : 1);
            std::fill_n(d.begin(), count, face);
            roll(game, d);
            const EntryResult e = game.enter(face);
            QCOMPARE(e.score, face * count);
            QVERIFY(e.upper);
            seen << e.bonus;
        }
        QCOMPARE(seen, outcomes);
        QTEST(game.state().total, "total");
        QCOMPARE(game.state().upperFilled, int(steps.size()));
        QCOMPARE(game.state().bonusAwarded, outcomes.contains(BonusOutcome::Awarded));
        QTEST(bonusCaption(seen.last(), game.state().upperBalance), "caption");
        QTEST(bonusMessage(seen.last(), QStringLiteral("Ingen bonus")), "message");
        QCOMPARE(bonusMessage(BonusOutcome::Missed, QString()), QStringLiteral("No bonus"));
    }

    void playTimeStopsAtItsTop() {
        GameModel game;
        for (int s = 0; s < 32767 + 5; ++s)
            game.tick();
        QCOMPARE(game.state().playSeconds, qint16(32767));
    }

    void newGameLeavesNothingBehind() {
        GameModel game;
        playAllBut(game, 1);
        roll(game, {1, 2, 3, 4, 5, 6});
        game.pickUp(3);
        game.tick();
        game = GameModel::newGame();
        const GameState fresh;
        const GameState& s = game.state();
        QCOMPARE(s.dice, fresh.dice);
        QCOMPARE(s.onTable, fresh.onTable);
        QCOMPARE(s.rollsLeft, 60);
        QCOMPARE(s.categoriesLeft, 20);
        QCOMPARE(s.categoryScore, fresh.categoryScore);
        QCOMPARE(s.total, 0);
        QCOMPARE(s.upperBalance, -84);
        QCOMPARE(s.upperFilled, 0);
        QVERIFY(!s.bonusAwarded && !s.entryLocked && !s.scoringPossible);
        QCOMPARE(s.playSeconds, qint16(0));
        for (int id = 1; id <= CategoryCount; ++id)
            QVERIFY(game.isOpen(id));
        QVERIFY(game.canRoll() && !game.canUndo() && !game.isOver());
        QCOMPARE(roll(game, {1, 1, 1, 1, 1, 2}).firstOfGame, true);
    }
};

QTEST_MAIN(GameModelTest)
#include "tst_gamemodel.moc"
