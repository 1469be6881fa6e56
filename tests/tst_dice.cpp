// The dice: the roll from the pool, picking up by click and by drag, putting back by Undo,
// by click and by drag, the roll counters and the play timer.
#include "TestSupport.h"
#include "game/ClickLabel.h"
#include "game/MainWindow.h"
#include "settings/Profile.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Window pixels of a point given in twips.
QPoint atTwips(int x, int y) { return {x / 15, y / 15}; }
// The middle of die n's hit area, in pixels.
QPoint dieCentre(int n) {
    static constexpr int xs[6] = {1535, 2700, 3825, 4940, 6060, 7230};
    return atTwips(xs[n - 1], 3850);
}
} // namespace

class DiceTest : public QObject {
    Q_OBJECT

    struct Game {
        explicit Game(const QByteArray& ini = "[Options]\r\nPlaySound=Yes\r\n") {
            writeBytes(t.ini(), ini);
            t.useLanguage({"d4=Last roll", "d5=Six alike", "d6=New game", "d1=Hello"});
            main = std::make_unique<Main>(*t.program);
            main->load();
        }
        QWidget* w(const QString& name) { return main->findChild<QWidget*>(name); }
        QLabel* label(const QString& name) { return main->findChild<QLabel*>(name); }
        bool shown(int die) { return !w(QStringLiteral("Image%1").arg(die))->isHidden(); }
        void roll(std::initializer_list<int> faces) {
            t.scripted.random.queueFaces(faces);
            QTest::mouseClick(w(QStringLiteral("Roll")), Qt::LeftButton);
        }
        void clickDie(int n) { QTest::mouseClick(w(QStringLiteral("Image%1").arg(n)), Qt::LeftButton); }
        QStringList sounds() {
            QStringList names;
            for (const auto& s : t.scripted.sound.played) names << QFileInfo(s.path).fileName();
            return names;
        }
        // Mouse events on the window itself, with the buttons held during moves.
        void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent e(type, at, main->mapToGlobal(at), button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(main.get(), &e);
        }
        void drag(Qt::MouseButton button, const QList<QPoint>& path) {
            send(QEvent::MouseButtonPress, path.first(), button, button);
            for (const QPoint& p : path.mid(1)) send(QEvent::MouseMove, p, Qt::NoButton, button);
            send(QEvent::MouseButtonRelease, path.last(), button, Qt::NoButton);
        }
        TestProgram t;
        std::unique_ptr<Main> main;
    };

private slots:
    void rollPutsAllSixOnTheTable() {
        Game g;
        g.roll({1, 2, 3, 4, 5, 6});
        QCOMPARE(g.main->game.dice, (std::array<int, 6>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(g.main->game.onTable, (std::array<bool, 6>{true, true, true, true, true, true}));
        for (int n = 1; n <= 6; ++n) QVERIFY(g.shown(n));
        QVERIFY(!g.w("Roll")->isEnabled());
        QVERIFY(!g.w("Undo")->isEnabled());
        QCOMPARE(g.label("Rolls")->text(), QStringLiteral("59"));
        QVERIFY(g.label("Rolls")->font().bold());
        QCOMPARE(g.label("Mrolls")->text(), QStringLiteral("2.95"));
        QVERIFY(!g.label("Image3")->pixmap().isNull()); // bitmap 33
        QCOMPARE(g.sounds(), QStringList{"dice.wav"});
        QVERIFY(!g.main->game.entryLocked);
        QCOMPARE(g.t.scripted.random.seeds, QList<quint32>{14 * 3600 + 7 * 60 + 9});
    }

    void rerollChangesExactlyThePickedDice() {
        Game g;
        g.roll({1, 2, 3, 4, 5, 6});
        g.clickDie(2);
        g.clickDie(5);
        QVERIFY(!g.shown(2) && !g.shown(5));
        QVERIFY(g.w("Roll")->isEnabled() && g.w("Undo")->isEnabled());
        QCOMPARE(g.main->game.dice[1], 2); // a picked-up die keeps its value
        g.roll({6, 6});
        QCOMPARE(g.main->game.dice, (std::array<int, 6>{1, 6, 3, 4, 6, 6}));
        QCOMPARE(g.main->game.rollsLeft, 58);
    }

    void sixAlikeCheersEvenWithKeptDice() {
        Game g;
        g.roll({3, 3, 3, 3, 3, 1});
        g.clickDie(6);
        g.roll({3});
        QCOMPARE(g.sounds(), (QStringList{"dice.wav", "dice.wav", "Yahoo2.wav"}));
        QCOMPARE(g.main->message.isEmpty(), false);
    }

    void noPickingOnceThePoolIsSpent() {
        Game g;
        g.main->game.rollsLeft = 1;
        g.roll({1, 2, 3, 4, 5, 5});
        QCOMPARE(g.main->game.rollsLeft, 0);
        g.clickDie(1);
        QVERIFY(g.shown(1));
        QVERIFY(g.main->game.onTable[0]);
        QVERIFY(!g.w("Undo")->isEnabled());
    }

    void rollsPerCategory() {
        Game g;
        g.t.scripted.clock.separator = QLatin1Char(',');
        g.main->game.rollsLeft = 41;
        g.main->game.categoriesLeft = 13;
        g.roll({1, 2, 3, 4, 5, 6});
        QCOMPARE(g.label("Mrolls")->text(), QStringLiteral("3,08"));
        g.main->game.categoriesLeft = 1;
        g.clickDie(1);
        g.roll({2});
        QCOMPARE(g.label("Mrolls")->text(), QString());
        QCOMPARE(g.label("Mrolls")->palette().color(QPalette::WindowText), QColor(192, 192, 192));
    }

    void undoBringsBackAllAndARollThenRollsNothing() {
        Game g;
        g.roll({4, 4, 2, 2, 1, 6});
        g.clickDie(1);
        g.clickDie(3);
        QTest::mouseClick(g.w("Undo"), Qt::LeftButton);
        for (int n = 1; n <= 6; ++n) QVERIFY(g.shown(n));
        QVERIFY(g.w("Roll")->isEnabled());
        QVERIFY(!g.w("Undo")->isEnabled());
        QCOMPARE(g.sounds().last(), QStringLiteral("pop.wav"));
        g.roll({6, 6, 6, 6, 6, 6});
        QCOMPARE(g.main->game.dice, (std::array<int, 6>{4, 4, 2, 2, 1, 6}));
        QCOMPARE(g.main->game.rollsLeft, 58);
        QCOMPARE(g.sounds().last(), QStringLiteral("dice.wav"));
    }

    void leftDragPicksUpEveryDieOnce() {
        Game g;
        g.roll({1, 2, 3, 4, 5, 6});
        const QPoint start = atTwips(600, 3850);
        QList<QPoint> path{start};
        for (int n = 1; n <= 6; ++n) path << dieCentre(n);
        path << dieCentre(3) << dieCentre(1); // back across: nothing is put back
        g.drag(Qt::LeftButton, path);
        for (int n = 1; n <= 6; ++n) QVERIFY2(!g.shown(n), qPrintable(QString::number(n)));
        QCOMPARE(g.main->game.onTable, (std::array<bool, 6>{}));
        QVERIFY(g.w("Roll")->isEnabled() && g.w("Undo")->isEnabled());
    }

    void rightDragReturnsAndTheReleaseCounts() {
        Game g;
        g.roll({1, 2, 3, 4, 5, 6});
        g.clickDie(2);
        g.clickDie(4);
        g.send(QEvent::MouseButtonPress, atTwips(600, 3850), Qt::RightButton, Qt::RightButton);
        for (int n = 1; n <= 6; ++n)
            g.send(QEvent::MouseMove, dieCentre(n), Qt::NoButton, Qt::RightButton);
        QVERIFY(g.shown(2) && g.shown(4));
        QVERIFY(!g.main->game.onTable[1]); // counted at the release
        g.send(QEvent::MouseButtonRelease, dieCentre(6), Qt::RightButton, Qt::NoButton);
        QVERIFY(g.main->game.onTable[1] && g.main->game.onTable[3]);
        QVERIFY(!g.w("Roll")->isEnabled());
        QVERIFY(g.w("Undo")->isEnabled());
    }

    void pressInAnOverlapPutsBackBothDice() {
        Game g;
        g.roll({1, 2, 3, 4, 5, 6});
        g.clickDie(1);
        g.clickDie(2);
        // 2130 twips lies in both die 1's (920..2150) and die 2's (2120..3280) areas.
        g.send(QEvent::MouseButtonPress, QPoint(142, 3850 / 15), Qt::MiddleButton, Qt::MiddleButton);
        QVERIFY(g.shown(1) && g.shown(2));
        QVERIFY(g.main->game.onTable[0] && g.main->game.onTable[1]);
        g.send(QEvent::MouseButtonRelease, QPoint(142, 3850 / 15), Qt::MiddleButton, Qt::NoButton);
        // No drag was running, so nothing re-counts the dice at the release.
        QVERIFY(g.w("Roll")->isEnabled());
    }

    void playTimer() {
        Game g;
        auto* timer = g.main->findChild<QTimer*>(QStringLiteral("TimerPlay"));
        QVERIFY(!timer->isActive());
        g.roll({1, 2, 3, 4, 5, 6});
        QVERIFY(timer->isActive());
        g.main->TimerPlayTick();
        g.main->TimerPlayTick();
        QCOMPARE(g.main->game.playSeconds, qint16(2));
        g.t.scripted.boxes.yesNoAnswers = {true}; // the new game is confirmed
        g.main->NyttSpel(); // an abandoned game: the count runs on from the new game's start
        QCOMPARE(g.main->game.playSeconds, qint16(0));
        QVERIFY(timer->isActive());
        g.main->game.playSeconds = 32767;
        g.main->TimerPlayTick();
        QCOMPARE(g.main->game.playSeconds, qint16(32767));

        Game h("[Options]\r\nNollSlag=Yes\r\n");
        QTest::mouseClick(h.main->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        h.roll({1, 2, 3, 4, 5, 6});
        QVERIFY(!h.main->findChild<QTimer*>(QStringLiteral("TimerPlay"))->isActive());
    }
};

QTEST_MAIN(DiceTest)
#include "tst_dice.moc"
