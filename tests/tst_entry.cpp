// What an entry does to the game record, the upper bonus over a whole upper section, and the
// rolls-per-category hint shown after each roll.
#include "game/Categories.h"
#include "game/Colours.h"
#include "game/Entry.h"
#include "game/RollsPerCategory.h"
#include "game/UpperBonus.h"

#include <QTest>

using Dice = std::array<int, 6>;
using Step = std::pair<int, int>; // upper face entered, with how many dice of it
Q_DECLARE_METATYPE(BonusOutcome)

class EntryTest : public QObject {
    Q_OBJECT
  private slots:
    void entries() {
        using E = EntryOutcome;
        const Dice sixes{6, 6, 6, 6, 6, 6};
        // balance: upperBalance afterwards, from -84
        // clang-format off
        const struct {
            const char* name; Dice dice; int id; bool open, locked;
            E outcome; int score, balance; QRgb colour;
        } rows[] = {
            {"Fives, gold", {2, 2, 2, 5, 5, 5}, 5, true, false, E::Entered, 15, -69, colours::Gold},
            {"Sixes at best, white", sixes, 6, true, false, E::Entered, 36, -48, colours::White},
            {"Yatzy, not upper", sixes, 20, true, false, E::Entered, 100, -84, colours::White},
            {"rejected", {1, 2, 3, 4, 5, 6}, 7, true, false, E::Rejected, 0, -84, 0},
            {"before the first roll", {}, 19, true, false, E::Rejected, 0, -84, 0},
            {"filled", sixes, 20, false, false, E::Ignored, 0, -84, 0},
            {"locked after an entry", sixes, 20, true, true, E::Ignored, 0, -84, 0},
            {"id 21", sixes, 21, true, false, E::Ignored, 0, -84, 0},
            {"id 0", sixes, 0, true, false, E::Ignored, 0, -84, 0},
        };
        // clang-format on
        for (const auto& row : rows) {
            GameState game;
            game.dice = row.dice;
            // Half the dice picked up to roll again: they still count until the next roll.
            game.onTable = {true, true, true, false, false, false};
            game.total = 50;
            game.entryLocked = row.locked;
            const EntryResult r = enterCategory(game, row.id, row.open);
            QVERIFY2(r.outcome == row.outcome, row.name);
            QVERIFY2(r.score == row.score, row.name);
            QVERIFY2(r.colour == row.colour, row.name);
            QVERIFY2(r.upper == (row.score && row.id <= 6), row.name);
            QVERIFY2(r.yatzy == (row.score && row.id == 20), row.name);
            QVERIFY2(game.total == 50 + row.score, row.name);
            QVERIFY2(game.upperBalance == row.balance, row.name);
            for (int c = 1; c <= CategoryCount; ++c)
                QVERIFY2(game.categoryScore[c - 1] == (c == row.id ? row.score : 0), row.name);
            QVERIFY2(game.upperFilled == 0, row.name); // counted by the bonus check, not here
        }
        QCOMPARE(yatzyMessage(100), QStringLiteral("yatzy! + 100"));
    }

    void upperSection_data() {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QList<BonusOutcome>>("outcomes");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("caption"); // of Bonus after the last step
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QString>("message"); // after the last step
        using B = BonusOutcome;
        const auto running = [](int n) { return QList<B>(n, B::Running); };
        QTest::newRow("exactly 84 with the sixth entry")
            << QList<Step>{{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << running(5) + QList<B>{B::Awarded} << 184 << "100" << colours::Gold << "bonus! + 100";
        QTest::newRow("83 after the sixth misses")
            << QList<Step>{{1, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}
            << running(5) + QList<B>{B::Missed} << 83 << "0" << colours::Gold << "Ingen bonus";
        QTest::newRow("reached early, awarded once")
            << QList<Step>{{6, 6}, {5, 6}, {4, 6}, {3, 1}, {2, 1}, {1, 1}}
            << running(2) + QList<B>{B::Awarded} + QList<B>(3, B::AlreadyAwarded) << 196 << "100"
            << colours::Gold << "";
        QTest::newRow("one short after five entries")
            << QList<Step>{{6, 5}, {5, 5}, {4, 1}, {3, 1}, {2, 1}} << running(5) << 64 << "-20"
            << colours::LightRed << "";
    }
    void upperSection() {
        QFETCH(QList<Step>, steps);
        QFETCH(QList<BonusOutcome>, outcomes);
        GameState game;
        QList<BonusOutcome> seen;
        BonusResult last;
        for (auto [face, count] : steps) {
            game.dice.fill(face == 1 ? 2 : 1);
            std::fill_n(game.dice.begin(), count, face);
            QCOMPARE(enterCategory(game, face, true).score, face * count);
            last = bonusVarje(game, QStringLiteral("Ingen bonus"));
            seen << last.outcome;
            // Sound and message belong to the award and the miss alone.
            QCOMPARE(last.sound, last.outcome == BonusOutcome::Awarded ? BonusSound : 0);
            QCOMPARE(last.message.isEmpty(), last.outcome == BonusOutcome::Running ||
                                                 last.outcome == BonusOutcome::AlreadyAwarded);
        }
        QCOMPARE(seen, outcomes);
        QTEST(game.total, "total");
        QCOMPARE(game.upperFilled, int(steps.size()));
        QCOMPARE(game.bonusAwarded, outcomes.contains(BonusOutcome::Awarded));
        QTEST(last.caption, "caption");
        QTEST(last.colour, "colour");
        QTEST(last.message, "message");
    }

    void missedBonusWithoutAText() {
        GameState game;
        game.upperFilled = 5;
        QCOMPARE(bonusVarje(game, QString()).message, QStringLiteral("No bonus"));
    }

    void rollsPerCategory() {
        // clang-format off
        const struct { int rolls, categories; const char* text; } rows[] = {
            {40, 13, "3.08"}, {39, 13, "3"}, {3, 2, "1.5"}, {1, 3, "0.33"}, {2, 3, "0.67"},
            // Exact halves go to the even hundredth, also when that makes a whole number.
            {1, 8, "0.12"}, {3, 8, "0.38"}, {5, 8, "0.62"}, {199, 200, "1"},
            // Empty when the hint would say all the rolls, or there is nothing to share.
            {40, 1, ""}, {0, 5, ""}, {-1, 5, ""}, {5, 0, ""}, {5, -2, ""},
            {2000000000, 3, "666666666.67"},
            {40, 13, "3,08"}, // the user's decimal separator
        };
        // clang-format on
        for (const auto& r : rows) {
            const QChar separator = QString(r.text).contains(',') ? u',' : u'.';
            QVERIFY2(MrollsText(r.rolls, r.categories, separator) == QLatin1String(r.text),
                     qPrintable(QStringLiteral("%1/%2").arg(r.rolls).arg(r.categories)));
        }
    }
};

QTEST_GUILESS_MAIN(EntryTest)
#include "tst_entry.moc"
