// The dice: the roll from the pool, picking up by click and by drag, putting back by Undo,
// by click and by drag, the roll counters and the play timer.
#include "TestSupport.h"
#include "ui/ClickLabel.h"

#include <QMouseEvent>
#include <QTimer>

namespace {
// Window pixels of a point given in twips.
QPoint atTwips(int x, int y) {
    return {x / 15, y / 15};
}
// The middle of die n's hit area, in pixels.
QPoint dieCentre(int n) {
    static constexpr int xs[6] = {1535, 2700, 3825, 4940, 6060, 7230};
    return atTwips(xs[n - 1], 3850);
}

struct Dice : TestGame {
    explicit Dice(const QByteArray& ini = "[Options]\r\nPlaySound=Yes\r\n") : TestGame(ini) {}
    bool shown(int die) const { return !find(QStringLiteral("Image%1").arg(die))->isHidden(); }
    void clickDie(int die) const { click(QStringLiteral("Image%1").arg(die)); }
    bool enabled(const char* name) const { return find(name)->isEnabled(); }
    // Mouse events on the window itself, with the buttons held during moves.
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) const {
        QMouseEvent e(type, at, main->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(main, &e);
    }
};
} // namespace

class DiceTest : public QObject {
    Q_OBJECT

  private slots:
    void rollThenRerollThePickedDiceToSixAlike() {
        Dice g;
        g.t.scripted.clock.separator = QLatin1Char(',');
        g.roll({3, 3, 3, 3, 2, 1});
        QCOMPARE(g.main->game().dice, (std::array<int, 6>{3, 3, 3, 3, 2, 1}));
        QCOMPARE(g.main->game().onTable, (std::array<bool, 6>{true, true, true, true, true, true}));
        for (int n = 1; n <= 6; ++n)
            QVERIFY(g.shown(n));
        QVERIFY(!g.find<QLabel>("Image3")->pixmap().isNull());
        QVERIFY(!g.enabled("Roll") && !g.enabled("Undo"));
        QCOMPARE(g.find<QLabel>("Rolls")->text(), "59");
        QVERIFY(g.find<QLabel>("Rolls")->font().bold());
        QCOMPARE(g.find<QLabel>("Mrolls")->text(), "2,95");
        QCOMPARE(g.find<QLabel>("Mrolls")->palette().color(QPalette::WindowText),
                 QColor(192, 192, 192));
        QCOMPARE(g.t.scripted.random.seeds, QList<quint32>{14 * 3600 + 7 * 60 + 9});

        g.clickDie(5);
        g.clickDie(6);
        QVERIFY(!g.shown(5) && !g.shown(6));
        QVERIFY(g.enabled("Roll") && g.enabled("Undo"));
        QCOMPARE(g.main->game().dice[4], 2); // a picked-up die keeps its value
        g.roll({3, 3}); // the kept dice are not rolled: they would come up as 1s
        QCOMPARE(g.main->game().dice, (std::array<int, 6>{3, 3, 3, 3, 3, 3}));
        QCOMPARE(g.main->game().rollsLeft, 58);
        QVERIFY(!g.enabled("Undo")); // nothing to put back after a roll
        QCOMPARE(g.sounds(), (QStringList{"dice.wav", "dice.wav", "Yahoo2.wav"}));
        QCOMPARE(g.said.last(), "Six alike");
    }

    void undoBringsBackAllAndARollThenRollsNothing() {
        Dice g;
        g.roll({4, 4, 2, 2, 1, 6});
        g.clickDie(1);
        g.clickDie(3);
        g.click("Undo");
        for (int n = 1; n <= 6; ++n)
            QVERIFY(g.shown(n));
        QVERIFY(g.enabled("Roll") && !g.enabled("Undo"));
        QCOMPARE(g.sounds().last(), "pop.wav");
        g.roll({6, 6, 6, 6, 6, 6});
        QCOMPARE(g.main->game().dice, (std::array<int, 6>{4, 4, 2, 2, 1, 6}));
        QCOMPARE(g.main->game().rollsLeft, 58);
        QCOMPARE(g.sounds().last(), "dice.wav");
    }

    void leftDragPicksUpEveryDieOnce() {
        Dice g;
        g.roll({1, 2, 3, 4, 5, 6});
        g.send(QEvent::MouseButtonPress, atTwips(600, 3850), Qt::LeftButton, Qt::LeftButton);
        // Across every die and back: nothing is put back.
        for (int n : {1, 2, 3, 4, 5, 6, 3, 1})
            g.send(QEvent::MouseMove, dieCentre(n), Qt::NoButton, Qt::LeftButton);
        g.send(QEvent::MouseButtonRelease, dieCentre(1), Qt::LeftButton, Qt::NoButton);
        for (int n = 1; n <= 6; ++n)
            QVERIFY2(!g.shown(n), qPrintable(QString::number(n)));
        QCOMPARE(g.main->game().onTable, (std::array<bool, 6>{}));
        QVERIFY(g.enabled("Roll") && g.enabled("Undo"));
    }

    void rightDragReturnsAndTheReleaseCounts() {
        Dice g;
        g.roll({1, 2, 3, 4, 5, 6});
        g.clickDie(2);
        g.clickDie(4);
        g.send(QEvent::MouseButtonPress, atTwips(600, 3850), Qt::RightButton, Qt::RightButton);
        for (int n = 1; n <= 6; ++n)
            g.send(QEvent::MouseMove, dieCentre(n), Qt::NoButton, Qt::RightButton);
        QVERIFY(g.shown(2) && g.shown(4));
        QVERIFY(!g.main->game().onTable[1]); // counted at the release
        g.send(QEvent::MouseButtonRelease, dieCentre(6), Qt::RightButton, Qt::NoButton);
        QVERIFY(g.main->game().onTable[1] && g.main->game().onTable[3]);
        QVERIFY(!g.enabled("Roll") && g.enabled("Undo"));
    }

    void pressInAnOverlapPutsBackBothDice() {
        Dice g;
        g.roll({1, 2, 3, 4, 5, 6});
        g.clickDie(1);
        g.clickDie(2);
        // 2130 twips lies in both die 1's (920..2150) and die 2's (2120..3280) areas.
        g.send(QEvent::MouseButtonPress, QPoint(142, 3850 / 15), Qt::MiddleButton,
               Qt::MiddleButton);
        QVERIFY(g.shown(1) && g.shown(2));
        QVERIFY(g.main->game().onTable[0] && g.main->game().onTable[1]);
        g.send(QEvent::MouseButtonRelease, QPoint(142, 3850 / 15), Qt::MiddleButton, Qt::NoButton);
        // No drag was running, so nothing re-counts the dice at the release.
        QVERIFY(g.enabled("Roll"));
    }

    void playTimerAndANewGameInTheMiddleOfATurn() {
        Dice g;
        auto* timer = g.find<QTimer>("TimerPlay");
        QVERIFY(!timer->isActive());
        g.roll({1, 2, 3, 4, 5, 6});
        QVERIFY(timer->isActive());
        g.main->TimerPlayTick();
        g.main->TimerPlayTick();
        QCOMPARE(g.main->game().playSeconds, qint16(2));
        g.clickDie(1);
        g.boxes().yesNoAnswers = {true}; // the new game is confirmed
        g.main->NyttSpel();
        // The table and the rolls-per-category hint are cleared, and the count runs on from
        // the new game's start.
        QCOMPARE(g.main->game().onTable, (std::array<bool, 6>{}));
        for (int n = 1; n <= 6; ++n)
            QVERIFY(!g.shown(n));
        QVERIFY(!g.enabled("Undo"));
        QCOMPARE(g.find<QLabel>("Mrolls")->text(), QString());
        QCOMPARE(g.main->game().playSeconds, qint16(0));
        QVERIFY(timer->isActive());

        // A game begun with one roll left never starts the timer, and with the pool spent no
        // die is picked up.
        Dice h("[Options]\r\nNollSlag=Yes\r\n");
        h.click("Command1");
        h.roll({1, 2, 3, 4, 5, 6});
        QVERIFY(!h.find<QTimer>("TimerPlay")->isActive());
        h.clickDie(1);
        QVERIFY(h.shown(1) && h.main->game().onTable[0]);
        QVERIFY(!h.enabled("Undo"));
    }
};

QTEST_MAIN(DiceTest)
#include "tst_dice.moc"
