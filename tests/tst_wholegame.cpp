// Whole games driven through the main window with a scripted random sequence: every
// category filled, the bonus, the entry lock, the last roll of the pool, and the end of the
// game scored against the top-10 list exactly once.
#include "TestSupport.h"
#include "game/Categories.h"
#include "game/ClickLabel.h"
#include "game/MainWindow.h"
#include "settings/Profile.h"

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

    struct Game {
        Game() {
            writeBytes(t.ini(), "[Options]\r\nPlaySound=Yes\r\n[Session]\r\ntotal=4\r\n");
            t.useLanguage({"b3=New highscore", "b4=Your name?", "b5=Game over!", "d1=Hello",
                           "d2=Total", "d3=No!", "d6=New game", "d8=No bonus"});
            main = std::make_unique<Main>(*t.program);
            main->load();
        }
        ClickLabel* label(const char* name) {
            return main->findChild<ClickLabel*>(QLatin1String(name));
        }
        void roll(std::initializer_list<int> faces) {
            t.scripted.random.queueFaces(faces);
            QTest::mouseClick(label("Roll"), Qt::LeftButton);
        }
        void enter(int id) { QTest::mouseClick(label(category(id).label), Qt::LeftButton); }
        int played(const QString& file) const {
            int n = 0;
            for (const auto& s : t.scripted.sound.played) n += s.path.endsWith(QLatin1Char('/') + file);
            return n;
        }
        QTimer* timerEnd() { return main->findChild<QTimer*>(QStringLiteral("TimerEnd")); }
        TestProgram t;
        std::unique_ptr<Main> main;
    };

private slots:
    void everyCategoryFilledAndScoredOnce() {
        Game g;
        QStringList said;
        connect(g.main.get(), &Main::said, this, [&](const QString& s) { said << s; });
        g.t.scripted.boxes.inputAnswers = {QStringLiteral("Anna")};

        g.enter(1); // no roll yet: every entry is refused
        QCOMPARE(said.last(), QStringLiteral("No!"));
        QCOMPARE(g.played("doink.wav"), 1);

        int expected = 0;
        for (int id = 1; id <= CategoryCount; ++id) {
            g.roll(Turns[id - 1].faces);
            g.enter(id);
            expected += Turns[id - 1].score;
            QCOMPARE(g.main->game.categoryScore[id - 1], Turns[id - 1].score);
            QVERIFY(!g.label(category(id).label)->isEnabled());
            // The entry locks the turn: another category takes nothing until the next roll.
            if (id < CategoryCount) {
                g.enter(CategoryCount);
                QVERIFY(g.label(category(CategoryCount).label)->isEnabled());
            }
            if (id == 6) {
                expected += 100; // the sixth upper entry reaches exactly 84
                QCOMPARE(said.last(), QStringLiteral("bonus! + 100"));
                QCOMPARE(g.main->findChild<QLabel*>("Bonus")->text(), QStringLiteral("100"));
            }
        }
        QCOMPARE(g.main->game.total, 606);
        QCOMPARE(expected, 606);
        QCOMPARE(said.last(), QStringLiteral("yatzy! + 100"));
        QCOMPARE(g.main->findChild<QLabel*>("scr_Tot")->text(), QStringLiteral("606"));
        QCOMPARE(g.played("Bonus.wav"), 1);
        QCOMPARE(g.played("Yatzy.wav"), 1);
        QCOMPARE(g.played("points.wav"), 20);
        QVERIFY(g.timerEnd()->isActive());
        QVERIFY(!g.label("Roll")->isEnabled());

        // The end of the game runs once, 1.5 seconds later.
        QTRY_COMPARE_WITH_TIMEOUT(g.main->game.categoriesLeft, 20, 4000);
        QTest::qWait(1700);
        const QString ini = g.t.ini();
        QCOMPARE(GetINI("Highscore", "p1", ini), QStringLiteral("606"));
        QCOMPARE(GetINI("Highscore", "n1", ini), QStringLiteral("Anna"));
        QCOMPARE(GetINI("Highscore", "d1", ini), QStringLiteral("105"));
        QVERIFY(!GetINI("Highscore", "k1", ini).isEmpty());
        QCOMPARE(GetINI("Highscore", "p2", ini), QStringLiteral("0"));
        QCOMPARE(GetINI("Highscore", "alltime", ini), QStringLiteral("606"));
        QCOMPARE(GetINI("Session", "total", ini), QStringLiteral("5"));
        const QStringList log = QString::fromUtf8(readBytes(g.t.path("Tarn.log"))).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(log.size(), 1);
        QVERIFY2(QRegularExpression(R"(  Session 5: Score: 606, time: 0:0\d\. New highscore, place 1 "Anna"\.$)")
                     .match(log[0]).hasMatch(), qPrintable(log[0]));
        QCOMPARE(said.count(QStringLiteral("New game")), 1);
        QCOMPARE(g.main->findChild<QLabel*>("Topp01")->text(), QStringLiteral("1. 606 Anna"));
        QVERIFY(g.main->findChild<QLabel*>("Topp01")->font().bold());
        QTest::mouseClick(g.label("Topp01"), Qt::LeftButton);
        QCOMPARE(g.main->selectedPlace, 1);
        int inputs = 0, messages = 0;
        for (const auto& box : g.t.scripted.boxes.shown) {
            inputs += box.kind == platform::RecordedBox::Input;
            if (box.kind == platform::RecordedBox::Message) {
                ++messages;
                QCOMPARE(box.prompt, QStringLiteral("Game over! 606 p"));
            }
        }
        QCOMPARE(inputs, 1);
        QCOMPARE(messages, 1);
    }

    void lastRollThatFitsNowhereEndsTheGame() {
        Game g;
        for (int id = 1; id < CategoryCount; ++id) g.label(category(id).label)->setEnabled(false);
        g.main->game.rollsLeft = 1;
        g.roll({1, 2, 3, 4, 5, 6}); // only Yatzy is open, and it does not fit
        QVERIFY(!g.main->game.scoringPossible);
        QVERIFY(g.timerEnd()->isActive());

        Game h;
        for (int id = 1; id < CategoryCount; ++id) h.label(category(id).label)->setEnabled(false);
        h.main->game.rollsLeft = 1;
        h.roll({2, 2, 2, 2, 2, 2});
        QVERIFY(h.main->game.scoringPossible);
        QVERIFY(!h.timerEnd()->isActive()); // the player enters it first
        h.enter(CategoryCount);
        QVERIFY(h.timerEnd()->isActive());
    }

    void missedBonusShowsZero() {
        Game g;
        QStringList said;
        connect(g.main.get(), &Main::said, this, [&](const QString& s) { said << s; });
        const std::initializer_list<int> rolls[6] = {{1, 1, 1, 1, 2, 3}, {2, 2, 2, 2, 1, 3},
                                                     {3, 3, 3, 3, 1, 2}, {4, 4, 4, 4, 1, 2},
                                                     {5, 5, 5, 5, 1, 2}, {6, 6, 6, 1, 2, 3}};
        for (int id = 1; id <= 6; ++id) {
            g.roll(rolls[id - 1]);
            g.enter(id);
        }
        QCOMPARE(g.main->game.upperBalance, -6);
        QCOMPARE(g.main->findChild<QLabel*>("Bonus")->text(), QStringLiteral("0"));
        QCOMPARE(said.last(), QStringLiteral("No bonus"));
        QCOMPARE(g.main->game.total, 78);
    }
};

QTEST_MAIN(WholeGameTest)
#include "tst_wholegame.moc"
