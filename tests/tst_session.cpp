// The main window's spine: start-up options, new games and their greetings, the
// confirmations, the end of a turn and of a game, rejection, and the failure path.
#include "TestSupport.h"
#include "game/ClickLabel.h"
#include "display/SoundEffects.h"
#include "game/MainWindow.h"
#include "settings/Profile.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class SessionTest : public QObject {
    Q_OBJECT

    struct Fixture {
        explicit Fixture(const QByteArray& ini = {}) {
            if (!ini.isEmpty()) writeBytes(t.ini(), ini);
            t.useLanguage({"b1=Tarnwick", "b2=Start a new game", "b6=Leave the game",
                           "d1=Welcome", "d2=Total", "d3=Not allowed", "d6=New game"});
            main = std::make_unique<Main>(*t.program);
        }
        template <class T = QWidget> T* find(const char* name) {
            return main->findChild<T*>(QLatin1String(name));
        }
        TestProgram t;
        std::unique_ptr<Main> main;
    };

private slots:
    void firstGameWelcomesAndLaterGamesGreet() {
        Fixture f("[Options]\r\nWarnNewGame=No\r\n");
        QStringList said;
        connect(f.main.get(), &Main::said, this, [&](const QString& s) { said << s; });
        f.main->load();
        f.main->NyttSpel(); // no warning key: no question
        f.main->game.total = 12;
        f.main->TimerEndTick();
        QCOMPARE(said, (QStringList{"Welcome", "New game", "New game"}));
        for (const auto& box : f.t.scripted.boxes.shown) // no question was asked
            QVERIFY(box.kind != platform::RecordedBox::YesNo);
    }

    void restartSetsUpAFreshGame() {
        Fixture f;
        f.main->load();
        GameState& g = f.main->game;
        g.rollsLeft = 3;
        g.categoriesLeft = 2;
        g.total = 99;
        g.dice = {1, 2, 3, 4, 5, 6};
        g.onTable.fill(true);
        g.categoryScore.fill(5);
        g.upperBalance = 10;
        g.bonusAwarded = g.entryLocked = true;
        f.find("Roll")->setEnabled(false);
        f.find("Undo")->setEnabled(true);
        f.main->Restart();
        QCOMPARE(g.rollsLeft, 60);
        QCOMPARE(g.categoriesLeft, 20);
        QCOMPARE(g.total, 0);
        QCOMPARE(g.upperBalance, -84);
        QVERIFY(!g.bonusAwarded && !g.entryLocked);
        QCOMPARE(g.dice, (std::array<int, 6>{}));
        QCOMPARE(g.onTable, (std::array<bool, 6>{}));
        QCOMPARE(g.categoryScore, (std::array<int, 20>{}));
        QVERIFY(f.find("Roll")->isEnabled());
        QVERIFY(!f.find("Undo")->isEnabled());
        QCOMPARE(f.find<QLabel>("Rolls")->text(), QStringLiteral("60"));
        QCOMPARE(f.find<QLabel>("Mrolls")->text(), QString());
        QCOMPARE(f.find<QLabel>("Bonus")->text(), QStringLiteral("-84"));
        QCOMPARE(f.find<QLabel>("Bonus")->palette().color(QPalette::WindowText), QColor(255, 128, 128));
        QCOMPARE(f.find<QLabel>("scr_Tot")->text(), QStringLiteral("0"));
        for (int i = 1; i <= 6; ++i) QVERIFY(f.find(qPrintable(QStringLiteral("Image%1").arg(i)))->isHidden());
        QCOMPARE(f.find<ClickLabel>("btn_Yatzy")->foreground(), QColor(Qt::white));
    }

    void confirmations_data() {
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("acted");
        QTest::newRow("Yes asks, answered Yes") << "Yes" << QList<bool>{true} << 1 << true;
        QTest::newRow("Yes asks, answered No") << "Yes" << QList<bool>{false} << 1 << false;
        QTest::newRow("lower-case yes does not ask") << "yes" << QList<bool>{} << 0 << true;
        QTest::newRow("missing does not ask") << "" << QList<bool>{} << 0 << true;
        QTest::newRow("No does not ask") << "No" << QList<bool>{} << 0 << true;
    }
    void confirmations() {
        QFETCH(QString, warning);
        QFETCH(QList<bool>, answers);
        QFETCH(int, boxes);
        QFETCH(bool, acted);
        for (const char* key : {"WarnNewGame", "WarnExit"}) {
            Fixture f;
            f.main->load();
            // Written after the settings window's first load, which writes "Yes" for any
            // warning that is not "No".
            SetINI("Options", key, warning, f.t.ini());
            f.main->game.rollsLeft = 10;
            f.t.scripted.boxes.yesNoAnswers = answers;
            const bool exit = QLatin1String(key) == QLatin1String("WarnExit");
            QTest::mouseClick(f.find(exit ? "Avsluta" : "NyttSpel"), Qt::LeftButton);
            QCOMPARE(f.t.scripted.boxes.shown.size(), boxes);
            if (boxes) {
                QCOMPARE(f.t.scripted.boxes.shown[0].prompt, exit ? "Leave the game" : "Start a new game");
                QCOMPARE(f.t.scripted.boxes.shown[0].title, QStringLiteral("Tarnwick"));
            }
            if (exit) {
                QCOMPARE(f.t.quitCalls, acted ? 1 : 0);
                QCOMPARE(f.main->game.rollsLeft, 10);
            } else {
                QCOMPARE(f.main->game.rollsLeft, acted ? 60 : 10);
            }
        }
    }

    void startupOptions() {
        Fixture f("[Options]\r\nShowTime=no\r\nNollSlag=Yes\r\nPlaySound=No\r\n"
                  "[Alarm]\r\nStatus=On\r\nWhen=7:05\r\n");
        f.main->load();
        QCOMPARE(f.main->clockSwitch, QStringLiteral("Yes"));
        QVERIFY(f.main->alarmArmed);
        QCOMPARE(f.main->alarmTime, QStringLiteral("7:05"));
        QCOMPARE(f.main->sounds().soundSwitch(), QStringLiteral("No"));
        QVERIFY(!f.find("Command1")->isHidden());

        Fixture g("[Options]\r\nShowTime=No\r\nNollSlag=yes\r\n[Alarm]\r\nstatus=on\r\n");
        g.main->load();
        QCOMPARE(g.main->clockSwitch, QStringLiteral("No"));
        QVERIFY(!g.main->alarmArmed);
        QVERIFY(g.find("Command1")->isHidden());
        QVERIFY(g.find("Text1")->isHidden());
    }

    void testControlsLeaveOneRollAndSayTheText() {
        Fixture f("[Options]\r\nNollSlag=Yes\r\n");
        f.main->load();
        QTest::mouseClick(f.find<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(f.main->game.rollsLeft, 1);
        QCOMPARE(f.find<QLabel>("Rolls")->text(), QStringLiteral("60")); // not redrawn
        f.find<QLineEdit>("Text1")->setText(QStringLiteral("Hello"));
        f.main->Command2Click();
        QCOMPARE(f.main->message, QStringLiteral("Hello"));
        f.find<QLineEdit>("Text1")->clear();
        f.main->Command2Click();
        QCOMPARE(f.main->message, QString());
    }

    void varjeAnnouncesTheTotalAndEndsTheGameWhenDone() {
        Fixture f;
        f.main->load();
        auto* timerEnd = f.main->findChild<QTimer*>(QStringLiteral("TimerEnd"));
        f.main->game.total = 154;
        f.main->Varje();
        QCOMPARE(f.main->message, QStringLiteral("Total: 154"));
        QCOMPARE(f.main->game.categoriesLeft, 19);
        QVERIFY(!timerEnd->isActive());
        QVERIFY(f.find("Roll")->isEnabled());

        f.main->game.rollsLeft = 0; // the pool is spent
        f.main->Varje();
        QVERIFY(timerEnd->isActive());
        QCOMPARE(timerEnd->interval(), 1500);
        QVERIFY(!f.find("Roll")->isEnabled());

        f.main->Restart();
        f.main->game.categoriesLeft = 1; // the twentieth entry, rolls still left
        f.main->Varje();
        QVERIFY(timerEnd->isActive());
    }

    void endOfGameRunsOnceAndCountsTheSession() {
        Fixture f("[Session]\r\ntotal=41\r\n");
        f.main->load();
        auto* timerEnd = f.main->findChild<QTimer*>(QStringLiteral("TimerEnd"));
        f.main->game.categoriesLeft = 1;
        f.main->Varje();
        QTRY_VERIFY_WITH_TIMEOUT(!timerEnd->isActive(), 3000);
        QTest::qWait(1700); // a second tick would come now
        QCOMPARE(GetINI("Session", "total", f.t.ini()), QStringLiteral("42"));
        QCOMPARE(f.main->game.categoriesLeft, 20);
        QVERIFY(f.find("Roll")->isEnabled());

        Fixture g("[Session]\r\ntotal=lots\r\n");
        g.main->load();
        g.main->TimerEndTick();
        QCOMPARE(GetINI("Session", "total", g.t.ini()), QStringLiteral("1"));
    }

    void rejectedEntryDoinksOnlyWithSoundExactlyOn() {
        for (const char* sound : {"Yes", "yes", ""}) {
            Fixture f(QByteArray("[Options]\r\nPlaySound=") + sound + "\r\n");
            f.main->load();
            f.main->NoAble();
            QCOMPARE(f.main->message, QStringLiteral("Not allowed"));
            const bool on = QLatin1String(sound) == QLatin1String("Yes");
            QCOMPARE(f.t.scripted.sound.played.size(), on ? 1 : 0);
            if (on) {
                QCOMPARE(f.t.scripted.sound.played[0].path, f.t.path("doink.wav"));
                QVERIFY(!f.t.scripted.sound.played[0].wait);
            }
        }
    }

    void indicatorPulses() {
        Fixture f;
        f.main->load();
        auto* indik = f.find<FilledCircle>("Indik");
        QList<int> reds;
        for (int tick = 0; tick < 24; ++tick) {
            f.main->TimerIndikTick();
            reds << indik->fillColor().red();
        }
        const QList<int> pulse{0x40, 0x80, 0xC0, 0xC0, 0xC0, 0xC0, 0x80, 0x40, 0x40, 0x40, 0x40, 0x40};
        QCOMPARE(reds.mid(0, 12), pulse);
        QCOMPARE(reds.mid(12, 12), pulse);
    }

    void backgroundPicture_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("error");
        QTest::newRow("jpg") << "back.jpg" << true << "";
        QTest::newRow("gif") << "back.gif" << true << "";
        QTest::newRow("capital JPG is ignored") << "back.JPG" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("missing file") << "gone.jpg" << false << "Error 53: File not found, Form load";
        QTest::newRow("not a picture") << "junk.jpg" << false << "Error 481: Invalid picture, Form load";
    }
    void backgroundPicture() {
        QFETCH(QString, picture);
        QFETCH(bool, shown);
        QFETCH(QString, error);
        Fixture f;
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(f.t.path("back.jpg"), "JPG");
        image.save(f.t.path("back.JPG"), "JPG");
        QFile::copy(f.t.path("back.jpg"), f.t.path("back.gif")); // content decides, not the name
        writeBytes(f.t.path("junk.jpg"), "not a picture");
        SetINI("Options", "picture", picture, f.t.ini());
        f.main->load();
        auto* pic = f.find<QLabel>("BackgrPic");
        QCOMPARE(!pic->isHidden(), shown);
        auto* errorPic = f.find("ErrorPic");
        QCOMPARE(!errorPic->isHidden(), !error.isEmpty());
        QCOMPARE(f.main->message, QStringLiteral("Welcome")); // the first game starts anyway
        if (!error.isEmpty()) {
            QCOMPARE(errorPic->toolTip(), error);
            QVERIFY(readBytes(f.t.path("Tarn.log")).endsWith(("  " + error + ".\r\n").toUtf8()));
            QCOMPARE(pic->size(), QSize(33, 33));
            QTest::mouseClick(errorPic, Qt::LeftButton);
            QCOMPARE(f.t.scripted.shell.opened, QStringList{f.t.path("Tarn.log")});
        }
    }
};

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
