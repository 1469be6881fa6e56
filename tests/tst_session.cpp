// The main window's game session: whole games driven with a scripted random sequence
// (every category filled, the bonus, the entry lock, the last roll of the pool, the end of
// the game scored against the top-10 list exactly once), the confirmations, the test
// controls, the indicator's pulse and the failure path of the background picture.
#include "GameTurns.h"
#include "TestSupport.h"
#include "core/Profile.h"
#include "platform/ProfileFile.h"
#include "rules/game/Categories.h"
#include "ui/ClickLabel.h"

#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

class SessionTest : public QObject {
    Q_OBJECT

    struct Game : TestGame {
        Game() : TestGame("[Options]\r\nPlaySound=Yes\r\n[Session]\r\ntotal=4\r\n") {}
        ClickLabel* label(int id) const { return find<ClickLabel>(category(id).label); }
        void enter(int id) const { click(category(id).label); }
        QTimer* timerEnd() const { return find<QTimer>("TimerEnd"); }
        // Fills every category but `open` with its turn, then leaves one roll in the pool.
        void playAllBut(int open) {
            for (int id = 1; id <= CategoryCount; ++id) {
                if (id == open) continue;
                roll(Turns[id - 1].faces);
                enter(id);
            }
            main->Command1Click();
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
            QCOMPARE(g.main->game().categoryScore[id - 1], Turns[id - 1].score);
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
        QCOMPARE(g.main->game().total, 606);
        QCOMPARE(expected, 606);
        QCOMPARE(g.said.last(), "yatzy! + 100");
        QCOMPARE(g.find<QLabel>("scr_Tot")->text(), "606");
        QCOMPARE(g.sounds().count("Bonus.wav"), 1);
        QCOMPARE(g.sounds().count("Yatzy.wav"), 1);
        QCOMPARE(g.sounds().count("points.wav"), 20);
        QVERIFY(g.timerEnd()->isActive());
        QCOMPARE(g.timerEnd()->interval(), 1500);
        QVERIFY(!g.find("Roll")->isEnabled());

        // The end of the game runs once, 1.5 seconds later, and stores all it changed with one
        // replacement of the file.
        const qint64 writes = profile::replacements();
        QTRY_COMPARE_WITH_TIMEOUT(g.main->game().categoriesLeft, 20, 4000);
        QCOMPARE(profile::replacements() - writes, 1);
        QTest::qWait(1700);
        QCOMPARE(g.ini("Highscore", "p1"), "606");
        QCOMPARE(g.ini("Highscore", "n1"), "Anna");
        QVERIFY(!g.ini("Highscore", "k1").isEmpty()); // the window makes the key first
        QCOMPARE(g.ini("Session", "total"), "5");
        const QStringList log = QString::fromUtf8(g.log()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(log.size(), 1);
        QVERIFY2(QRegularExpression(
                     R"(  Session 5: Score: 606, time: 0:0\d\. New highscore, place 1 "Anna"\.$)")
                     .match(log[0])
                     .hasMatch(),
                 qPrintable(log[0]));
        QCOMPARE(g.said.count("New game"), 1);
        QCOMPARE(g.find<QLabel>("Topp01")->text(), "1. 606 Anna");
        QVERIFY(g.find<QLabel>("Topp01")->font().bold());
        g.click("Topp01");
        QCOMPARE(g.main->selectedPlace(), 1);
        // Asked for the name once, told the score once, and offered the entry for sending
        // (the script answers No).
        QCOMPARE(g.boxes().shown.size(), 3);
        QCOMPARE(g.boxes().shown[0].kind, platform::RecordedBox::Input);
        QCOMPARE(g.boxes().shown[1].prompt, "Game over! 606 p");
        QCOMPARE(g.boxes().shown[2].kind, platform::RecordedBox::YesNo);

        // The next game starts from nothing.
        const GameState& next = g.main->game();
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
        QCOMPARE(g.find<QLabel>("Bonus")->palette().color(QPalette::WindowText),
                 QColor(255, 128, 128));
        QCOMPARE(g.label(CategoryCount)->foreground(), QColor(Qt::white));
    }

    void lastRollThatFitsNowhereEndsTheGame() {
        Game g;
        g.playAllBut(CategoryCount);
        g.roll({1, 2, 3, 4, 5, 6}); // only Yatzy is open, and it does not fit
        QVERIFY(!g.main->game().scoringPossible);
        QVERIFY(g.timerEnd()->isActive());

        Game h;
        h.playAllBut(CategoryCount);
        h.roll({2, 2, 2, 2, 2, 2});
        QVERIFY(h.main->game().scoringPossible);
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
        QCOMPARE(g.main->game().total, 78);
    }

    void confirmations_data() {
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("acted");
        QTest::newRow("Yes asks, answered Yes") << "Yes" << QList<bool>{true} << true;
        QTest::newRow("Yes asks, answered No") << "Yes" << QList<bool>{false} << false;
        QTest::newRow("lower-case yes does not ask") << "yes" << QList<bool>{} << true;
        QTest::newRow("missing does not ask") << "" << QList<bool>{} << true;
    }
    void confirmations() {
        QFETCH(QString, warning);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, acted);
        for (const bool exit : {false, true}) {
            TestGame g;
            // Written after the settings window's first load, which writes "Yes" for any
            // warning that is not "No".
            SetINI("Options", exit ? "WarnExit" : "WarnNewGame", warning, g.t.ini());
            g.roll({1, 2, 3, 4, 5, 6});
            g.boxes().yesNoAnswers = answers;
            g.click(exit ? "Avsluta" : "NyttSpel");
            QCOMPARE(g.boxes().shown.size(), answers.size());
            if (!answers.isEmpty()) {
                QCOMPARE(g.boxes().shown[0].prompt, exit ? "Leave the game" : "Start a new game");
                QCOMPARE(g.boxes().shown[0].title, "Tarnwick");
            }
            QCOMPARE(g.t.quitCalls, exit && acted ? 1 : 0);
            QCOMPARE(g.main->game().rollsLeft, !exit && acted ? 60 : 59);
            // Only the first game of the run is welcomed.
            const QStringList greetings{"Welcome", "New game"};
            QCOMPARE(g.said, greetings.mid(0, !exit && acted ? 2 : 1));
        }
    }

    void testControlsLeaveOneRollAndSayTheText() {
        QVERIFY(TestGame("[Options]\r\nNollSlag=yes\r\n").find("Command1")->isHidden());
        TestGame g("[Options]\r\nNollSlag=Yes\r\n");
        QVERIFY(!g.find("Command1")->isHidden());
        QVERIFY(g.find("Text1")->isHidden());
        g.click("Command1");
        QCOMPARE(g.main->game().rollsLeft, 1);
        QCOMPARE(g.find<QLabel>("Rolls")->text(), "60"); // not redrawn
        g.find<QLineEdit>("Text1")->setText("Hello");
        g.main->Command2Click();
        QCOMPARE(g.said.last(), "Hello");
    }

    void indicatorPulses() {
        TestGame g;
        auto* indik = g.find<FilledCircle>("Indik");
        QList<int> reds;
        for (int tick = 0; tick < 24; ++tick) {
            g.main->TimerIndikTick();
            reds << indik->fillColor().red();
        }
        const QList<int> pulse{0x40, 0x80, 0xC0, 0xC0, 0xC0, 0xC0,
                               0x80, 0x40, 0x40, 0x40, 0x40, 0x40};
        QCOMPARE(reds, pulse + pulse);
    }

    void backgroundPicture_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("error");
        QTest::newRow("jpg") << "back.jpg" << true << "";
        QTest::newRow("gif") << "back.gif" << true << "";
        QTest::newRow("capital JPG is ignored") << "back.JPG" << false << "";
        QTest::newRow("missing file")
            << "gone.jpg" << false << "Error 53: File not found, Form load";
        QTest::newRow("not a picture")
            << "junk.jpg" << false << "Error 481: Invalid picture, Form load";
    }
    void backgroundPicture() {
        QFETCH(QString, picture);
        QFETCH(bool, shown);
        QFETCH(QString, error);
        TestGame g("[Options]\r\npicture=" + picture.toUtf8() + "\r\n", [](TestProgram& t) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::red);
            for (const char* name : {"back.jpg", "back.JPG", "back.gif"}) // content decides
                image.save(t.path(name), "JPG");
            writeBytes(t.path("junk.jpg"), "not a picture");
        });
        auto* pic = g.find<QLabel>("BackgrPic");
        QCOMPARE(!pic->isHidden(), shown);
        auto* errorPic = g.find("ErrorPic");
        QCOMPARE(!errorPic->isHidden(), !error.isEmpty());
        QCOMPARE(g.said, QStringList{"Welcome"}); // the first game starts anyway
        if (!error.isEmpty()) {
            QCOMPARE(errorPic->toolTip(), error);
            QVERIFY(g.log().endsWith(("  " + error + ".\r\n").toUtf8()));
            QCOMPARE(pic->size(), QSize(33, 33));
            QTest::mouseClick(errorPic, Qt::LeftButton);
            QCOMPARE(g.t.scripted.shell.opened, QStringList{g.t.path("Tarn.log")});
        }
    }
};

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
