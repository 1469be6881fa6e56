// What an entry does to the game record, and the upper bonus over a whole upper section.
#include "game/Categories.h"
#include "game/Colours.h"
#include "game/Entry.h"
#include "game/UpperBonus.h"

#include <QTest>

using Dice = std::array<int, 6>;
using Step = std::pair<int, int>; // upper face entered, with how many dice of it
Q_DECLARE_METATYPE(Dice)
Q_DECLARE_METATYPE(EntryOutcome)
Q_DECLARE_METATYPE(BonusOutcome)

class EntryTest : public QObject {
    Q_OBJECT
  private slots:
    void entries_data() {
        QTest::addColumn<Dice>("dice");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<EntryOutcome>("outcome");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("balance"); // upperBalance afterwards, from -84
        QTest::addColumn<QRgb>("colour");
        using E = EntryOutcome;
        const Dice sixes{6, 6, 6, 6, 6, 6};
        QTest::newRow("Fives, gold") << Dice{2, 2, 2, 5, 5, 5} << 5 << true << false << E::Entered
                                     << 15 << -69 << colours::Gold;
        QTest::newRow("Sixes at best, white")
            << sixes << 6 << true << false << E::Entered << 36 << -48 << colours::White;
        QTest::newRow("Yatzy leaves the balance")
            << sixes << 20 << true << false << E::Entered << 100 << -84 << colours::White;
        QTest::newRow("rejected") << Dice{1, 2, 3, 4, 5, 6} << 7 << true << false << E::Rejected
                                  << 0 << -84 << QRgb(0);
        QTest::newRow("before the first roll")
            << Dice{} << 19 << true << false << E::Rejected << 0 << -84 << QRgb(0);
        QTest::newRow("filled") << sixes << 20 << false << false << E::Ignored << 0 << -84
                                << QRgb(0);
        QTest::newRow("locked after an entry")
            << sixes << 20 << true << true << E::Ignored << 0 << -84 << QRgb(0);
        QTest::newRow("id 21") << sixes << 21 << true << false << E::Ignored << 0 << -84 << QRgb(0);
        QTest::newRow("id 0") << sixes << 0 << true << false << E::Ignored << 0 << -84 << QRgb(0);
    }
    void entries() {
        QFETCH(Dice, dice);
        QFETCH(int, id);
        QFETCH(bool, open);
        QFETCH(bool, locked);
        QFETCH(EntryOutcome, outcome);
        QFETCH(int, score);
        QFETCH(int, balance);
        QFETCH(QRgb, colour);
        GameState game;
        game.dice = dice;
        game.total = 50;
        game.entryLocked = locked;
        const EntryResult r = enterCategory(game, id, open);
        QCOMPARE(r.outcome, outcome);
        QCOMPARE(r.score, score);
        if (score) QCOMPARE(r.colour, colour);
        QCOMPARE(r.upper, score && id <= 6);
        QCOMPARE(r.yatzy, score && id == 20);
        QCOMPARE(game.total, 50 + score);
        QCOMPARE(game.upperBalance, balance);
        for (int c = 1; c <= CategoryCount; ++c)
            QCOMPARE(game.categoryScore[c - 1], c == id ? score : 0);
        QCOMPARE(game.upperFilled, 0); // counted by the bonus check, not here
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
        const auto running = [](int n) { return QList<B>(n, B::Running); };
        QTest::newRow("exactly 84 with the sixth entry")
            << QList<Step>{{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << running(5) + QList<B>{B::Awarded} << 184 << "100" << colours::Gold;
        QTest::newRow("83 after the sixth misses")
            << QList<Step>{{1, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << running(5) + QList<B>{B::Missed} << 83 << "0" << colours::Gold;
        QTest::newRow("reached early, awarded once")
            << QList<Step>{{6, 6}, {5, 6}, {4, 6}, {3, 1}, {2, 1}, {1, 1}}
            << running(2) + QList<B>{B::Awarded} + QList<B>(3, B::AlreadyAwarded) << 196 << "100"
            << colours::Gold;
        QTest::newRow("one short after five entries")
            << QList<Step>{{6, 5}, {5, 5}, {4, 1}, {3, 1}, {2, 1}} << running(5) << 64 << "-20"
            << colours::LightRed;
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
            game.dice.fill(face == 1 ? 2 : 1);
            std::fill_n(game.dice.begin(), count, face);
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
    }
};

QTEST_GUILESS_MAIN(EntryTest)
#include "tst_entry.moc"
