// The main window's spine: the confirmations, the test controls, the indicator's pulse and
// the failure path of the background picture.
#include "TestSupport.h"
#include "game/ClickLabel.h"
#include "settings/Profile.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>

class SessionTest : public QObject {
    Q_OBJECT

private slots:
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
            g.main->game.rollsLeft = 10;
            g.boxes().yesNoAnswers = answers;
            g.click(exit ? "Avsluta" : "NyttSpel");
            QCOMPARE(g.boxes().shown.size(), answers.size());
            if (!answers.isEmpty()) {
                QCOMPARE(g.boxes().shown[0].prompt, exit ? "Leave the game" : "Start a new game");
                QCOMPARE(g.boxes().shown[0].title, "Tarnwick");
            }
            QCOMPARE(g.t.quitCalls, exit && acted ? 1 : 0);
            QCOMPARE(g.main->game.rollsLeft, !exit && acted ? 60 : 10);
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
        QCOMPARE(g.main->game.rollsLeft, 1);
        QCOMPARE(g.find<QLabel>("Rolls")->text(), "60"); // not redrawn
        g.find<QLineEdit>("Text1")->setText("Hello");
        g.main->Command2Click();
        QCOMPARE(g.main->message, "Hello");
    }

    void indicatorPulses() {
        TestGame g;
        auto* indik = g.find<FilledCircle>("Indik");
        QList<int> reds;
        for (int tick = 0; tick < 24; ++tick) {
            g.main->TimerIndikTick();
            reds << indik->fillColor().red();
        }
        const QList<int> pulse{0x40, 0x80, 0xC0, 0xC0, 0xC0, 0xC0, 0x80, 0x40, 0x40, 0x40, 0x40, 0x40};
        QCOMPARE(reds, pulse + pulse);
    }

    void backgroundPicture_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("error");
        QTest::newRow("jpg") << "back.jpg" << true << "";
        QTest::newRow("gif") << "back.gif" << true << "";
        QTest::newRow("capital JPG is ignored") << "back.JPG" << false << "";
        QTest::newRow("missing file") << "gone.jpg" << false << "Error 53: File not found, Form load";
        QTest::newRow("not a picture") << "junk.jpg" << false << "Error 481: Invalid picture, Form load";
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
