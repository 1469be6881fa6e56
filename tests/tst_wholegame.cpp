// Whole games driven through the main window with a scripted random sequence: every
// category filled, the bonus, the entry lock, the last roll of the pool, and the end of the
// game scored against the top-10 list exactly once.
#include "TestSupport.h"
#include "game/Categories.h"
#include "game/ClickLabel.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
// A roll for each category in CategoryId order, and what it scores there.
struct Turn {
    std::initializer_list<int> faces;
    int score;
};
const Turn Turns[CategoryCount] = {
    {{1, 1, 1, 1, 2, 3}, 4},   {{2, 2, 2, 2, 1, 3}, 8},   {{3, 3, 3, 3, 1, 2}, 12},
    {{4, 4, 4, 4, 1, 2}, 16},  {{5, 5, 5, 5, 1, 2}, 20},  {{6, 6, 6, 6, 1, 2}, 24},
    {{6, 6, 1, 2, 3, 4}, 12},  {{6, 6, 5, 5, 1, 2}, 22},  {{6, 6, 5, 5, 4, 4}, 30},
    {{6, 6, 6, 1, 2, 3}, 18},  {{6, 6, 6, 6, 1, 2}, 24},  {{6, 6, 6, 6, 6, 1}, 30},
    {{1, 2, 3, 4, 5, 5}, 15},  {{2, 3, 4, 5, 6, 6}, 20},  {{1, 2, 3, 4, 5, 6}, 21},
    {{6, 6, 6, 5, 5, 1}, 28},  {{6, 6, 6, 5, 5, 5}, 33},  {{6, 6, 6, 6, 5, 5}, 34},
    {{6, 6, 6, 6, 6, 5}, 35},  {{6, 6, 6, 6, 6, 6}, 100},
};
} // namespace

class WholeGameTest : public QObject {
    Q_OBJECT

    struct Game : TestGame {
        Game() : TestGame("[Options]\r\nPlaySound=Yes\r\n[Session]\r\ntotal=4\r\n") {}
        ClickLabel* label(int id) const { return find<ClickLabel>(category(id).label); }
        void enter(int id) const { click(category(id).label); }
        QTimer* timerEnd() const { return find<QTimer>("TimerEnd"); }
        void closeAllBut(int open) const {
            for (int id = 1; id <= CategoryCount; ++id) label(id)->setEnabled(id == open);
        }
    };

private slots:
    void everyCategoryFilledAndScoredOnce() {
        Game g;
        g.boxes().inputAnswers = {QStringLiteral("Anna")};

        g.enter(1); // no roll yet: every entry is refused
        QCOMPARE(g.said.last(), "Not allowed");
        QCOMPARE(g.sounds().count("doink.wav"), 1);

        int expected = 0;
        for (int id = 1; id <= CategoryCount; ++id) {
            g.roll(Turns[id - 1].faces);
            g.enter(id);
            expected += Turns[id - 1].score;
            QCOMPARE(g.main->game.categoryScore[id - 1], Turns[id - 1].score);
            QVERIFY(!g.label(id)->isEnabled());
            if (id == 1) QCOMPARE(g.said.last(), "Total: 4");
            if (id < CategoryCount) {
                QVERIFY(!g.timerEnd()->isActive());
                // The entry locks the turn: another category takes nothing until the next roll.
                g.enter(CategoryCount);
                QVERIFY(g.label(CategoryCount)->isEnabled());
            }
            if (id == 6) {
                expected += 100; // the sixth upper entry reaches exactly 84
                QCOMPARE(g.said.last(), "bonus! + 100");
                QCOMPARE(g.find<QLabel>("Bonus")->text(), "100");
            }
        }
        QCOMPARE(g.main->game.total, 606);
        QCOMPARE(expected, 606);
        QCOMPARE(g.said.last(), "yatzy! + 100");
        QCOMPARE(g.find<QLabel>("scr_Tot")->text(), "606");
        QCOMPARE(g.sounds().count("Bonus.wav"), 1);
        QCOMPARE(g.sounds().count("Yatzy.wav"), 1);
        QCOMPARE(g.sounds().count("points.wav"), 20);
        QVERIFY(g.timerEnd()->isActive());
        QCOMPARE(g.timerEnd()->interval(), 1500);
        QVERIFY(!g.find("Roll")->isEnabled());

        // The end of the game runs once, 1.5 seconds later.
        QTRY_COMPARE_WITH_TIMEOUT(g.main->game.categoriesLeft, 20, 4000);
        QTest::qWait(1700);
        QCOMPARE(g.ini("Highscore", "p1"), "606");
        QCOMPARE(g.ini("Highscore", "n1"), "Anna");
        QVERIFY(!g.ini("Highscore", "k1").isEmpty()); // the window makes the key first
        QCOMPARE(g.ini("Session", "total"), "5");
        const QStringList log = QString::fromUtf8(g.log()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(log.size(), 1);
        QVERIFY2(QRegularExpression(R"(  Session 5: Score: 606, time: 0:0\d\. New highscore, place 1 "Anna"\.$)")
                     .match(log[0]).hasMatch(), qPrintable(log[0]));
        QCOMPARE(g.said.count("New game"), 1);
        QCOMPARE(g.find<QLabel>("Topp01")->text(), "1. 606 Anna");
        QVERIFY(g.find<QLabel>("Topp01")->font().bold());
        g.click("Topp01");
        QCOMPARE(g.main->selectedPlace, 1);
        // Asked for the name once, and told the score once.
        QCOMPARE(g.boxes().shown.size(), 2);
        QCOMPARE(g.boxes().shown[0].kind, platform::RecordedBox::Input);
        QCOMPARE(g.boxes().shown[1].prompt, "Game over! 606 p");

        // The next game starts from nothing.
        const GameState& next = g.main->game;
        QCOMPARE(next.rollsLeft, 60);
        QCOMPARE(next.total, 0);
        QCOMPARE(next.upperBalance, -84);
        QVERIFY(!next.bonusAwarded && !next.entryLocked);
        QCOMPARE(next.dice, (std::array<int, 6>{}));
        QCOMPARE(next.categoryScore, (std::array<int, CategoryCount>{}));
        QVERIFY(g.find("Roll")->isEnabled());
        QCOMPARE(g.find<QLabel>("Rolls")->text(), "60");
        QCOMPARE(g.find<QLabel>("scr_Tot")->text(), "0");
        QCOMPARE(g.find<QLabel>("Bonus")->text(), "-84");
        QCOMPARE(g.find<QLabel>("Bonus")->palette().color(QPalette::WindowText), QColor(255, 128, 128));
        QCOMPARE(g.label(CategoryCount)->foreground(), QColor(Qt::white));
    }

    void lastRollThatFitsNowhereEndsTheGame() {
        Game g;
        g.closeAllBut(CategoryCount);
        g.main->game.rollsLeft = 1;
        g.roll({1, 2, 3, 4, 5, 6}); // only Yatzy is open, and it does not fit
        QVERIFY(!g.main->game.scoringPossible);
        QVERIFY(g.timerEnd()->isActive());

        Game h;
        h.closeAllBut(CategoryCount);
        h.main->game.rollsLeft = 1;
        h.roll({2, 2, 2, 2, 2, 2});
        QVERIFY(h.main->game.scoringPossible);
        QVERIFY(!h.timerEnd()->isActive()); // the player enters it first
        h.enter(CategoryCount);
        QVERIFY(h.timerEnd()->isActive());
    }

    void missedBonusShowsZero() {
        Game g;
        for (int id = 1; id <= 5; ++id) {
            g.roll(Turns[id - 1].faces);
            g.enter(id);
        }
        g.roll({6, 6, 6, 1, 2, 3}); // 83 of 84
        g.enter(6);
        QCOMPARE(g.find<QLabel>("Bonus")->text(), "0");
        QCOMPARE(g.said.last(), "No bonus");
        QCOMPARE(g.main->game.total, 78);
    }
};

QTEST_MAIN(WholeGameTest)
#include "tst_wholegame.moc"
