// The main window on the desktop: its place on the work area, the title bar, the two pop-up
// menus with their web pages and local files, and sending a top-10 entry through the browser.
// Nothing here opens a real browser: the scripted shell records what would be opened.
#include "TestSupport.h"
#include "core/Profile.h"
#include "platform/DesktopUrl.h"
#include "rules/desktop/Placement.h"
#include "windows/menu/MenuWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {
const QByteArray Pages = "[Internet]\r\nhome=https://t.example/home\r\n"
                         "signup=https://t.example/signup\r\nsms=https://t.example/sms\r\n"
                         "help=https://t.example/help\r\nsend=https://t.example/send\r\n";

struct Desk : TestGame {
    explicit Desk(const QByteArray& ini = {}, const QRect& area = {0, 0, 1024, 740})
        : TestGame(ini, [area](TestProgram& t) {
              t.scripted.desktop.area = area;
              // The language's English name goes into addresses.
              writeBytes(t.path("Test.lan"),
                         readBytes(t.path("Test.lan")) + "[Info]\r\ninternational=Testish\r\n");
          }) {
        main->show();
    }
    QStringList& opened() { return t.scripted.shell.opened; }
    QAction* item(const char* name) const { return windows->menu().findChild<QAction*>(name); }
    QLabel* title() const { return find<QLabel>("Titellist"); }
    void mouse(QEvent::Type type, Qt::MouseButton button, const QPoint& at) const {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent e(type, at, title()->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(title(), &e);
    }
    // A submission all the way to the browser, its two timers ticked at once.
    void send(int place) {
        boxes().yesNoAnswers = {true};
        main->ToppClick(place);
        main->TimerUserTick();
        main->TimerSendingTick();
    }
};

const QByteArray OneUser = "[Users]\r\nantal=1\r\nselected=1\r\nuser1=Bo\r\npass1=pw\r\n"
                           "[Highscore]\r\np1=250\r\nk1=37179891709\r\nd1=105\r\n";
} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyWebPagesAndAbsolutePathsOpen_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url"); // "" when nothing may open
        QTest::newRow("web page") << "https://t.example/home?lan=Svenska"
                                  << "https://t.example/home?lan=Svenska";
        QTest::newRow("scheme in capitals") << "HTTP://t.example/"
                                            << "http://t.example/";
        QTest::newRow("blank, & and quote stay one address")
            << "http://t.example/send?user=A b&c\"d;e&pass=x"
            << "http://t.example/send?user=A%20b&c%22d;e&pass=x";
        QTest::newRow("own file") << "/opt/Tarn Dir/Tarn.log"
                                  << "file:///opt/Tarn%20Dir/Tarn.log";
        QTest::newRow("no send address") << "?user=Bo&pass=x"
                                         << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("file scheme") << "file:///usr/bin/xterm"
                                     << "";
        QTest::newRow("desktop entry") << "file:///usr/share/applications/x.desktop"
                                       << "";
        QTest::newRow("other scheme") << "javascript:alert(1)"
                                      << "";
        QTest::newRow("relative path") << "Tarn.ini"
                                       << "";
        QTest::newRow("no host") << "http:///etc/passwd"
                                 << "";
    }
    void onlyWebPagesAndAbsolutePathsOpen() {
        QFETCH(QString, address);
        QFETCH(QString, url);
        const QUrl u = platform::desktopUrl(address);
        QCOMPARE(u.isValid() ? u.toString(QUrl::FullyEncoded) : QString(), url);
    }

    void screenKollPlacesByWorkArea_data() {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("at"); // where the window ends from (50, 40)
        QTest::addColumn<bool>("titleShown");
        QTest::newRow("exactly 12000 x 8580") << QRect(0, 0, 800, 572) << QPoint(0, 0) << false;
        QTest::newRow("second screen, small")
            << QRect(1024, 0, 800, 572) << QPoint(1024, 0) << false;
        QTest::newRow("12000 x 9000 keeps") << QRect(0, 0, 800, 600) << QPoint(50, 40) << true;
        QTest::newRow("wider, low keeps") << QRect(0, 0, 1280, 572) << QPoint(50, 40) << true;
        QTest::newRow("one pixel higher keeps") << QRect(0, 0, 800, 573) << QPoint(50, 40) << true;
        QTest::newRow("larger centres") << QRect(0, 0, 1024, 740) << QPoint(112, 46) << true;
        QTest::newRow("panel on the left") << QRect(64, 0, 1216, 1024) << QPoint(272, 141) << true;
    }
    void screenKollPlacesByWorkArea() {
        QFETCH(QRect, area);
        QFETCH(QPoint, at);
        QFETCH(bool, titleShown);
        Desk d({}, area);
        d.main->move(50, 40);
        d.main->ScreenKoll();
        QCOMPARE(d.main->pos(), at);
        QCOMPARE(d.title()->isVisible(), titleShown);
        QCOMPARE(desktop::screenFit({12001, 8581}), desktop::Fit::Centre);
    }

    void displayChangeRestoresAndPlaces() {
        Desk d({}, {0, 0, 1024, 740});
        QCOMPARE(d.main->pos(), QPoint(112, 46)); // placed by the start-up
        d.main->showMinimized();
        d.t.scripted.desktop.change({0, 0, 800, 572});
        QVERIFY(!d.main->isMinimized());
        QCOMPARE(d.main->pos(), QPoint(0, 0));
        QVERIFY(!d.title()->isVisible());
        d.t.scripted.desktop.change({0, 0, 1280, 994});
        QCOMPARE(d.main->pos(), QPoint(240, 131));
        QVERIFY(d.title()->isVisible());
    }

    void titleDragsWithTheLeftButtonOnly() {
        Desk d;
        const QPoint start = d.main->pos();
        d.mouse(QEvent::MouseButtonPress, Qt::RightButton, {10, 5});
        d.mouse(QEvent::MouseMove, Qt::RightButton, {60, 25});
        d.mouse(QEvent::MouseButtonRelease, Qt::RightButton, {60, 25});
        QCOMPARE(d.main->pos(), start);

        d.mouse(QEvent::MouseButtonPress, Qt::LeftButton, {10, 5});
        d.mouse(QEvent::MouseMove, Qt::LeftButton, {60, 25});
        QCOMPARE(d.main->pos(), start + QPoint(50, 20));
        d.mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {60, 25});
        d.mouse(QEvent::MouseMove, Qt::LeftButton, {90, 25}); // released: no longer dragging
        QCOMPARE(d.main->pos(), start + QPoint(50, 20));

        d.mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, {10, 5});
        QCOMPARE(d.main->pos(), QPoint(112, 46));
        QVERIFY(d.find<QWidget>("Minimera"));
        d.click("Minimera");
        QVERIFY(d.main->isMinimized());
    }

    void menusOpenAtTheMouse() {
        Desk d;
        QCursor::setPos(d.main->mapToGlobal(QPoint(20, 8)));
        d.click("Logo");
        QMenu* menu = d.windows->menu().xx_meny();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), QCursor::pos());
        menu->close();
        d.click("Homepage");
        QVERIFY(d.windows->menu().xx_webmenu()->isVisible());
        d.windows->menu().xx_webmenu()->close();
        QVERIFY(!d.item("xx_stoplog")->isVisible());
    }

    void webLinks_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("home") << "www_homepage"
                              << "https://t.example/home?lan=Testish"
                              << "Visit homepage (Home)";
        QTest::newRow("signup") << "www_signup"
                                << "https://t.example/signup?lan=Testish"
                                << "Visit homepage (Signup)";
        QTest::newRow("sms") << "www_sms"
                             << "https://t.example/sms"
                             << "Visit homepage (SMS Service)";
        QTest::newRow("help") << "lblHelp"
                              << "https://t.example/help?lan=Testish"
                              << "Visit homepage (Help)";
    }
    void webLinks() {
        QFETCH(QString, control);
        QFETCH(QString, address);
        QFETCH(QString, logLine);
        struct Case {
            QByteArray options;
            QList<bool> answers;
            bool opened;
            QStringList sounds;
        };
        const QList<Case> cases{
            {"WarnHomepage=Yes\r\nPlaySound=Yes", {false}, false, {}},
            {"WarnHomepage=Yes\r\nPlaySound=Yes", {true}, true, {}},
            {"WarnHomepage=No\r\nPlaySound=Yes", {}, true, {"Beep.wav", "Beep.wav"}},
            {"WarnHomepage=No\r\nPlaySound=No", {}, true, {}},
        };
        for (const Case& c : cases) {
            Desk d(Pages + "[Options]\r\n" + c.options + "\r\nWriteLog=Yes\r\n");
            d.boxes().yesNoAnswers = c.answers;
            if (control == "lblHelp") {
                d.click(control);
            } else {
                d.item(qPrintable(control))->trigger();
            }
            const QString what = control + " with " + c.options;
            QVERIFY2(d.boxes().shown.size() == c.answers.size(), qPrintable(what));
            if (!c.answers.isEmpty()) QCOMPARE(d.boxes().shown[0].prompt, "Visit us?");
            QCOMPARE(d.opened(), c.opened ? QStringList{address} : QStringList{});
            QCOMPARE(d.sounds(), c.sounds);
            if (!c.sounds.isEmpty()) {
                QVERIFY(d.t.scripted.sound.played[0].wait);
                QVERIFY(!d.t.scripted.sound.played[1].wait);
            }
            QCOMPARE(d.log().contains(logLine.toUtf8() + ".\r\n"), c.opened);
        }
    }

    void localFilesAndTextInput() {
        Desk d;
        for (const auto& [item, file] : {std::pair{"xx_newsversion", "Version.txt"},
                                         {"xx_viewlog", "Tarn.log"},
                                         {"xx_viewini", "Tarn.ini"}}) {
            d.opened().clear();
            d.item(item)->trigger();
            QCOMPARE(d.opened(), QStringList{d.t.path(file)});
        }
        QAction* input = d.item("xx_showtxtinput");
        auto* text1 = d.find<QLineEdit>("Text1");
        auto* ok = d.find<QPushButton>("Command2");
        for (bool shown : {true, false}) {
            input->trigger();
            QCOMPARE(text1->isVisible(), shown);
            QCOMPARE(ok->isVisible(), shown);
            QCOMPARE(input->isChecked(), shown);
        }
    }

    void submissionWithAUser() {
        Desk d(OneUser + Pages + "[Options]\r\nWriteLog=Yes\r\n", {0, 0, 1280, 994});
        d.boxes().yesNoAnswers = {true};
        d.click("Topp01");
        QCOMPARE(d.boxes().shown.size(), 1);
        QCOMPARE(d.boxes().shown[0].kind, platform::RecordedBox::YesNo);
        QVERIFY(!d.settings()->isVisible()); // a named user: no user page
        auto* timerUser = d.main->findChild<QTimer*>("TimerUser");
        QVERIFY(timerUser->isActive());
        QCOMPARE(timerUser->interval(), 1500);
        // The two timers run the rest: the sending text, then the browser.
        QTRY_COMPARE_WITH_TIMEOUT(d.said.count("Sending..."), 1, 2500);
        QVERIFY(d.opened().isEmpty());
        QCOMPARE(d.ini("Internet", "entries"), "1");
        QTRY_COMPARE_WITH_TIMEOUT(d.opened().size(), 1, 2000);
        QCOMPARE(d.opened()[0], "https://t.example/send?user=Bo&pass=pw&ver=700&rev=2&date=105"
                                "&points=250&key=37179891709&lan=Testish&screen=1280x994&os=N/A");
        QCOMPARE(d.said.last(), "Total: 0");
        QVERIFY(!timerUser->isActive());
        QVERIFY(!d.main->findChild<QTimer*>("TimerSending")->isActive());
        QVERIFY(d.log().endsWith("  Send highscore. User: Bo, points: 250, key: 37179891709.\r\n"));

        d.send(1);
        QCOMPARE(d.ini("Internet", "entries"), "2"); // counted however the service fared
        QCOMPARE(d.opened().size(), 2);
    }

    void submissionValuesGoInAsTheyStand() {
        // A name with a blank and "&", no date stamp (today's: May 2001), a key whose second
        // number is negative, and no send address at all.
        Desk d("[Users]\r\nantal=1\r\nselected=1\r\nuser1=Anna B&C\r\npass1=p w\r\n"
               "[Highscore]\r\np3=1000\r\nk3=1-119893711\r\n[Internet]\r\nentries=41\r\n",
               {0, 0, 800, 572});
        d.send(3);
        QCOMPARE(d.opened(), QStringList{"?user=Anna B&C&pass=p w&ver=700&rev=2&date=105"
                                         "&points=1000&key=1-119893711&lan=Testish"
                                         "&screen=800x600&os=N/A"});
        QCOMPARE(d.ini("Internet", "entries"), "42");
        SetINI("Internet", "entries", "9223372036854775807", d.t.ini());
        d.send(3);
        QCOMPARE(d.ini("Internet", "entries"), "9223372036854775807");
    }

    void noUserOpensTheUserPageFirst() {
        Desk d(Pages + "[Highscore]\r\np1=250\r\nk1=1\r\nd1=105\r\n");
        d.boxes().yesNoAnswers = {true};
        d.click("Topp01");
        QVERIFY(d.settings() && d.settings()->isVisible());
        QCOMPARE(d.settings()->mode(), "user");
        d.main->TimerUserTick(); // waiting: nothing happens
        QVERIFY(d.said.count("Sending...") == 0 && d.opened().isEmpty());

        // Closed without a user: still waiting.
        QTest::mouseClick(d.setting("Command4"), Qt::LeftButton);
        d.main->TimerUserTick();
        QVERIFY(d.opened().isEmpty());

        // A user is made and Close is clicked: the submission goes.
        d.windows->openSettings("user");
        QTest::mouseClick(d.setting("Command1"), Qt::LeftButton);
        d.setting<QLineEdit>("txtUser")->setText("Cy");
        d.setting<QLineEdit>("txtPass")->setText("pw");
        QTest::mouseClick(d.setting("butOK"), Qt::LeftButton);
        QTest::mouseClick(d.setting("Command4"), Qt::LeftButton);
        QVERIFY(d.main->findChild<QTimer*>("TimerUser")->isActive());
        d.main->TimerUserTick();
        d.main->TimerSendingTick();
        QCOMPARE(d.opened().size(), 1);
        QVERIFY(d.opened()[0].startsWith("https://t.example/send?user=Cy&pass=pw&"));
    }

    void showUserAsksForTheUserPageEvenWithOne() {
        Desk d(OneUser + "[Options]\r\nShowUser=Yes\r\n");
        d.boxes().yesNoAnswers = {true};
        d.click("Topp01");
        QVERIFY(d.settings()->isVisible());
        QTest::mouseClick(d.setting("Command4"), Qt::LeftButton);
        d.main->TimerUserTick();
        d.main->TimerSendingTick();
        QCOMPARE(d.opened().size(), 1);

        // Answered No: nothing at all.
        d.boxes().yesNoAnswers = {false};
        d.click("Topp01");
        QVERIFY(!d.main->findChild<QTimer*>("TimerUser")->isActive());
        QCOMPARE(d.ini("Internet", "entries"), "1");
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
