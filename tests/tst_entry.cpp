// What an entry does to the game record, and the upper bonus over a whole upper section.
#include "game/Categories.h"
#include "game/Colours.h"
#include "game/Entry.h"
#include "game/UpperBonus.h"

#include <QTest>

using Dice = std::array<int, 6>;
Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(EntryOutcome)
Q_DECLARE_METATYPE(BonusOutcome)

namespace {
// count dice of face, the rest showing another face.
Dice diceWith(int face, int count) {
    Dice d;
    d.fill(face == 1 ? 2 : 1);
    for (int i = 0; i < count; ++i) d[i] = face;
    return d;
}
using Step = std::pair<int, int>; // upper face entered, with how many dice of it
} // namespace

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void entries_data() {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("id");
        QTest::addColumn<EntryOutcome>("outcome");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("balance"); // upperBalance afterwards, from -84
        QTest::addColumn<QRgb>("colour");
        using E = EntryOutcome;
        QTest::newRow("Fives") << Dice{2, 2, 2, 5, 5, 5} << 5 << E::Entered << 15 << -69
                               << colours::Gold;
        QTest::newRow("Sixes at best") << Dice{6, 6, 6, 6, 6, 6} << 6 << E::Entered << 36 << -48
                                       << colours::White;
        QTest::newRow("Yatzy leaves the balance")
            << Dice{4, 4, 4, 4, 4, 4} << 20 << E::Entered << 100 << -84 << colours::White;
        QTest::newRow("Chance") << Dice{1, 2, 3, 4, 5, 6} << 19 << E::Entered << 21 << -84
                                << colours::Gold;
        QTest::newRow("rejected") << Dice{1, 2, 3, 4, 5, 6} << 7 << E::Rejected << 0 << -84
                                  << QRgb(0);
        QTest::newRow("before the first roll")
            << Dice{} << 19 << E::Rejected << 0 << -84 << QRgb(0);
        QTest::newRow("not a category") << Dice{6, 6, 6, 6, 6, 6} << 21 << E::Ignored << 0 << -84
                                        << QRgb(0);
        QTest::newRow("not a category, below")
            << Dice{6, 6, 6, 6, 6, 6} << 0 << E::Ignored << 0 << -84 << QRgb(0);
    }
    void entries() {
        QFETCH(Dice, dice);
        QFETCH(int, id);
        QFETCH(EntryOutcome, outcome);
        QFETCH(int, score);
        QFETCH(int, balance);
        QFETCH(QRgb, colour);
        GameState game;
        game.dice = dice;
        game.total = 50;
        const EntryResult r = enterCategory(game, id, true);
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(r.score, score);
        if (outcome == EntryOutcome::Entered) QCOMPARE(r.colour, colour);
        QCOMPARE(r.upper, outcome == EntryOutcome::Entered && id <= 6);
        QCOMPARE(r.yatzy, outcome == EntryOutcome::Entered && id == 20);
        QCOMPARE(game.total, 50 + score);
        QCOMPARE(game.upperBalance, balance);
        for (int c = 1; c <= CategoryCount; ++c)
            QCOMPARE(game.categoryScore[c - 1], c == id ? score : 0);
        QCOMPARE(game.upperFilled, 0); // counted by the bonus check, not here
    }

    // A locked turn or a filled category ignores the click even when the dice qualify.
    void lockedOrFilledIsIgnored() {
        GameState game;
        game.dice = Dice{6, 6, 6, 6, 6, 6};
        game.entryLocked = true;
        QCOMPARE(enterCategory(game, 20, true).outcome, EntryOutcome::Ignored);
        game.entryLocked = false;
        QCOMPARE(enterCategory(game, 20, false).outcome, EntryOutcome::Ignored);
        QCOMPARE(game.total, 0);
        QCOMPARE(game.categoryScore[19], 0);
    }

    // The three Fives were picked up to roll again; they still count until the next roll.
    void pickedUpDiceStillCount() {
        GameState game;
        game.dice = Dice{2, 2, 2, 5, 5, 5};
        game.onTable = {true, true, true, false, false, false};
        QCOMPARE(enterCategory(game, 5, true).score, 15);
    }

    void upperSection_data() {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QList<BonusOutcome>>("outcomes");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("caption"); // of Bonus after the last step
        QTest::addColumn<QRgb>("colour");
        using B = BonusOutcome;
        QTest::newRow("exactly 84 with the sixth entry")
            << QList<Step>{{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << QList<B>{B::Running, B::Running, B::Running, B::Running, B::Running, B::Awarded}
            << 184 << "100" << colours::Gold;
        QTest::newRow("83 after the sixth misses")
            << QList<Step>{{1, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << QList<B>{B::Running, B::Running, B::Running, B::Running, B::Running, B::Missed}
            << 83 << "0" << colours::Gold;
        QTest::newRow("reached early, awarded once")
            << QList<Step>{{6, 6}, {5, 6}, {4, 6}, {3, 1}, {2, 1}, {1, 1}}
            << QList<B>{B::Running, B::Running, B::Awarded, B::AlreadyAwarded,
                        B::AlreadyAwarded, B::AlreadyAwarded}
            << 196 << "100" << colours::Gold;
        QTest::newRow("running balance")
            << QList<Step>{{5, 5}} << QList<B>{B::Running} << 25 << "-59" << colours::LightRed;
        QTest::newRow("one short after five entries")
            << QList<Step>{{6, 5}, {5, 5}, {4, 1}, {3, 1}, {2, 1}}
            << QList<B>{B::Running, B::Running, B::Running, B::Running, B::Running} << 64
            << "-20" << colours::LightRed;
    }
    void upperSection() {
        QFETCH(QList<Step>, steps);
        QFETCH(QList<BonusOutcome>, outcomes);
        QFETCH(int, total);
        QFETCH(QString, caption);
        QFETCH(QRgb, colour);
        GameState game;
        QList<BonusOutcome> seen;
        BonusResult last;
        for (auto [face, count] : steps) {
            game.dice = diceWith(face, count);
            QCOMPARE(enterCategory(game, face, true).score, face * count);
            last = bonusVarje(game, QString());
            seen << last.outcome;
            // Sound and message belong to the award and the miss alone.
            QCOMPARE(last.sound, last.outcome == BonusOutcome::Awarded ? BonusSound : 0);
            QCOMPARE(last.message.isEmpty(), last.outcome == BonusOutcome::Running ||
                                                 last.outcome == BonusOutcome::AlreadyAwarded);
        }
        QCOMPARE(seen, outcomes);
        QCOMPARE(game.total, total);
        QCOMPARE(game.upperFilled, int(steps.size()));
        QCOMPARE(game.bonusAwarded, outcomes.contains(BonusOutcome::Awarded));
        QCOMPARE(last.caption, caption);
        QCOMPARE(last.colour, colour);
    }

    // Lower entries add to the total but never to the upper balance.
    void lowerEntriesDoNotCountTowardsTheBonus() {
        GameState game;
        game.dice = Dice{6, 6, 6, 6, 6, 6};
        for (int id : {7, 10, 11, 12, 19, 20}) QVERIFY(enterCategory(game, id, true).score > 0);
        QCOMPARE(game.total, 12 + 18 + 24 + 30 + 36 + 100);
        QCOMPARE(game.upperBalance, -84);
        QCOMPARE(enterCategory(game, 6, true).score, 36);
        const BonusResult r = bonusVarje(game, QString());
        QCOMPARE(r.outcome, BonusOutcome::Running);
        QCOMPARE(r.caption, QStringLiteral("-48"));
    }

    void messages() {
        QCOMPARE(yatzyMessage(100), QStringLiteral("yatzy! + 100"));
        GameState game;
        game.upperBalance = 0;
        QCOMPARE(bonusVarje(game, QString()).message, QStringLiteral("bonus! + 100"));
        game = GameState{};
        game.upperFilled = 5;
        QCOMPARE(bonusVarje(game, QString()).message, QStringLiteral("No bonus"));
        game.upperFilled = 5;
        QCOMPARE(bonusVarje(game, QStringLiteral("Ingen bonus")).message,
                 QStringLiteral("Ingen bonus"));
        QCOMPARE(bonusBalanceCaption(-84), QStringLiteral("-84"));
    }
};

QTEST_GUILESS_MAIN(EntryTest)
#include "tst_entry.moc"
