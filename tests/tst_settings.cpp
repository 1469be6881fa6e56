// The settings window: what its load writes, what each option box writes and sets off, its
// three pages and their openers, the Close button, clearing the list and the sign-up link.
#include "TestSupport.h"
#include "app/Resources.h"
#include "display/SoundEffects.h"
#include "game/ClickLabel.h"
#include "game/MainWindow.h"
#include "settings/Profile.h"
#include "settings/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QStringList SevenOptions{"ShowSplash",  "ShowTime",     "ShowRedSquare", "WarnExit",
                               "WarnNewGame", "WarnHomepage", "ShowHelpText"};
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

    struct Fixture {
        explicit Fixture(const QByteArray& ini = {}) {
            if (!ini.isEmpty()) writeBytes(t.ini(), ini);
            t.useLanguage({"s1=Nobody", "s6=Visit us", "s18=Wake", "s19=Setup", "s2=Member",
                           "b1=Confirm", "b7=Clear the list?", "h8=Minimise", "d1=Hi"});
            main = std::make_unique<Main>(*t.program);
            main->load();
        }
        frmSettings* s() { return main->settingsWindow(); }
        template <class T = QWidget> T* find(const char* name) {
            return s()->findChild<T*>(QLatin1String(name));
        }
        QString option(const QString& key) { return GetINI("Options", key, t.ini()); }
        TestProgram t;
        std::unique_ptr<Main> main;
    };

  private slots:
    void loadWritesYesForEveryBoxNotSwitchedOff_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("after");
        QTest::newRow("missing") << "" << true << "Yes";
        QTest::newRow("Yes") << "Yes" << true << "Yes";
        QTest::newRow("lower-case yes") << "yes" << true << "Yes";
        QTest::newRow("No") << "No" << false << "No";
        QTest::newRow("lower-case no is not No") << "no" << true << "Yes";
    }
    void loadWritesYesForEveryBoxNotSwitchedOff() {
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        QFETCH(QString, after);
        QByteArray ini = "[Options]\r\n";
        for (const QString& key : SevenOptions)
            if (!stored.isEmpty()) ini += (key + "=" + stored + "\r\n").toUtf8();
        Fixture f(ini);
        QVERIFY(f.s() && f.s()->isHidden());
        for (const QString& key : SevenOptions)
            QCOMPARE(f.option(key), after);
        for (const char* box : {"Check2", "Check3", "Check4", "Check5", "Check6", "Check7"})
            QCOMPARE(f.find<QCheckBox>(box)->isChecked(), ticked);
        // The sound switch is the Mute box's opposite and is never written by the load.
        QCOMPARE(f.option("PlaySound"), QString());
        QVERIFY(!f.find<QCheckBox>("Check1")->isChecked());
    }

    void muteLoadsFromTheSoundSwitchWithoutWriting_data() {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<bool>("muted");
        QTest::newRow("No") << "No" << true;
        QTest::newRow("Yes") << "Yes" << false;
        QTest::newRow("lower-case no") << "no" << false;
    }
    void muteLoadsFromTheSoundSwitchWithoutWriting() {
        QFETCH(QString, sound);
        QFETCH(bool, muted);
        Fixture f("[Options]\r\nPlaySound=" + sound.toUtf8() + "\r\n");
        QCOMPARE(f.find<QCheckBox>("Check1")->isChecked(), muted);
        QCOMPARE(f.option("PlaySound"), sound);

        auto* mute = f.find<QCheckBox>("Check1");
        mute->click();
        QCOMPARE(f.option("PlaySound"), muted ? "Yes" : "No");
        QCOMPARE(f.main->sounds().soundSwitch(), muted ? "Yes" : "No");
        QCOMPARE(f.main->soundPic()->pixmap().toImage(),
                 resources::iconPixmap(muted ? resources::SoundOn : resources::SoundOff).toImage());
        mute->click();
        QCOMPARE(f.option("PlaySound"), muted ? "No" : "Yes");
    }

    void eachBoxWritesItsKey_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::newRow("Check2") << "Check2"
                                << "WarnExit";
        QTest::newRow("Check3") << "Check3"
                                << "WarnHomepage";
        QTest::newRow("Check4") << "Check4"
                                << "WarnNewGame";
        QTest::newRow("Check5") << "Check5"
                                << "ShowSplash";
        QTest::newRow("Check6") << "Check6"
                                << "ShowHelpText";
        QTest::newRow("Check7") << "Check7"
                                << "ShowTime";
        QTest::newRow("Check8") << "Check8"
                                << "ShowRedSquare";
    }
    void eachBoxWritesItsKey() {
        QFETCH(QString, box);
        QFETCH(QString, key);
        Fixture f;
        auto* check = f.find<QCheckBox>(qPrintable(box));
        check->click();
        QCOMPARE(f.option(key), "No");
        for (const QString& other : SevenOptions)
            if (other != key) QCOMPARE(f.option(other), "Yes");
        check->click();
        QCOMPARE(f.option(key), "Yes");
    }

    void boxesActOnTheMainWindowAtOnce() {
        Fixture f;
        auto* clock = f.main->findChild<QLabel*>("ShowTime");
        auto* timer3 = f.main->findChild<QTimer*>("Timer3");
        QCOMPARE(clock->text(), "14:07"); // the load started the clock
        QVERIFY(timer3->isActive());
        f.find<QCheckBox>("Check7")->click();
        QCOMPARE(f.main->clockSwitch, "No");
        QCOMPARE(clock->text(), QString());
        QCOMPARE(clock->toolTip(), QString());
        QVERIFY(!timer3->isActive());
        f.t.scripted.clock.current.setTime(QTime(9, 3));
        f.find<QCheckBox>("Check7")->click();
        QCOMPARE(clock->text(), "9:03");
        QVERIFY(timer3->isActive());

        auto* minimera = f.main->findChild<QWidget*>("Minimera");
        QCOMPARE(minimera->toolTip(), " Minimise ");
        f.find<QCheckBox>("Check6")->click();
        QCOMPARE(minimera->toolTip(), QString());

        auto* indik = f.main->findChild<QWidget*>("Indik");
        indik->show();
        f.find<QCheckBox>("Check8")->click(); // unticked: hidden at once
        QVERIFY(indik->isHidden());
        indik->show();
        f.find<QCheckBox>("Check8")->click(); // ticked: only the next roll shows it
        QVERIFY(!indik->isHidden());
    }

    void pages_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QSize>("twips"); // the window with its title bar and borders
        QTest::addColumn<bool>("clear");
        QTest::addColumn<int>("closeTop");
        QTest::addColumn<QString>("title");
        QStringList all{"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7"};
        QTest::newRow("all") << "all" << all << QSize(5985, 6795) << true << 5130 << "Setup";
        QTest::newRow("user") << "user" << QStringList{"Frame2"} << QSize(3465, 2530) << false
                              << 1690 << "Member";
        QTest::newRow("alarm") << "alarm" << QStringList{"Frame7"} << QSize(3465, 2100) << false
                               << 1260 << "Wake";
    }
    void pages() {
        QFETCH(QString, mode);
        QFETCH(QStringList, frames);
        QFETCH(QSize, twips);
        QFETCH(bool, clear);
        QFETCH(int, closeTop);
        Fixture f;
        f.main->openSettings(mode);
        QCOMPARE(f.t.program->settingsMode, mode);
        QVERIFY(f.s()->isVisible());
        QTEST(f.s()->windowTitle(), "title");
        QCOMPARE(f.s()->size(), QSize((twips.width() - 90) / 15, (twips.height() - 375) / 15));
        for (QGroupBox* frame : f.s()->findChildren<QGroupBox*>())
            QCOMPARE(frame->isVisible(), frames.contains(frame->objectName()));
        QCOMPARE(f.find("Command3")->isVisible(), clear);
        auto* close = f.find("Command4");
        QCOMPARE(close->y(), closeTop / 15);
        QCOMPARE(close->x() * 2 + close->width(), f.s()->width()); // centred
        // Every visible control lies inside the window.
        for (QWidget* w : f.s()->findChildren<QWidget*>())
            if (w->isVisible() && w->parentWidget() == f.s())
                QVERIFY2(f.s()->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void alarmPageShowsTheAlarmBoxWithItsWord() {
        Fixture f;
        f.main->openSettings("alarm");
        QCOMPARE(f.find<QCheckBox>("Check9")->text(), "Wake");
        QCOMPARE(f.find<QGroupBox>("Frame7")->title(), QString());
        QCOMPARE(f.find("Frame7")->geometry(), QRect(8, 6, 209, 69));
        f.main->openSettings("all");
        QCOMPARE(f.find<QCheckBox>("Check9")->text(), QString());
        QCOMPARE(f.find<QGroupBox>("Frame7")->title(), "Wake");
        QCOMPARE(f.find("Frame7")->pos(), QPoint(230, 218));
    }

    void openersReloadTheWindow() {
        Fixture f;
        frmSettings* hidden = f.s();
        QTest::mouseClick(f.main->findChild<QWidget*>("lblSett"), Qt::LeftButton);
        QVERIFY(f.s() != hidden && f.s()->isVisible());
        QCOMPARE(f.t.program->settingsMode, "all");
        QPointer<frmSettings> all = f.s();
        QTest::mouseClick(f.main->findChild<QWidget*>("lb_User"), Qt::LeftButton);
        QVERIFY(f.s() != all && (!all || all->isHidden()));
        QCOMPARE(f.t.program->settingsMode, "user");
        QTest::mouseClick(f.main->findChild<QWidget*>("ShowTime"), Qt::LeftButton);
        QCOMPARE(f.t.program->settingsMode, "alarm");

        // The sound picture closes the window before it switches the sound.
        QTest::mouseClick(f.main->findChild<QWidget*>("SoundPic"), Qt::LeftButton);
        QVERIFY(!f.s());
        QCOMPARE(f.option("PlaySound"), "No");
        // The next game loads it again, hidden.
        f.main->Restart();
        QVERIFY(f.s() && f.s()->isHidden());
        QVERIFY(f.find<QCheckBox>("Check1")->isChecked());
    }

    void closeArmsOrDisarmsTheAlarm() {
        Fixture f("[Alarm]\r\nStatus=On\r\nWhen=17:30\r\n");
        f.main->openSettings("alarm");
        QVERIFY(f.find<QCheckBox>("Check9")->isChecked());
        QCOMPARE(f.find<QComboBox>("Combo1")->currentText(), "17");
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), ":30");
        QCOMPARE(f.find<QComboBox>("Combo1")->count(), 24);
        QCOMPARE(f.find<QComboBox>("Combo2")->itemText(59), ":59");

        f.find<QComboBox>("Combo1")->setCurrentText("7");
        f.find<QComboBox>("Combo2")->setCurrentText(":05");
        QCOMPARE(GetINI("Alarm", "When", f.t.ini()), "17:30"); // only Close stores the time
        QTest::mouseClick(f.find<QPushButton>("Command4"), Qt::LeftButton);
        QVERIFY(!f.s());
        QCOMPARE(GetINI("Alarm", "Status", f.t.ini()), "On");
        QCOMPARE(GetINI("Alarm", "When", f.t.ini()), "7:05");
        QVERIFY(f.main->alarmArmed);
        QCOMPARE(f.main->alarmTime, "7:05");

        f.main->openSettings("alarm");
        QCOMPARE(f.find<QComboBox>("Combo1")->currentText(), "7");
        f.find<QCheckBox>("Check9")->click();
        f.find<QComboBox>("Combo1")->setCurrentText("8");
        f.find<QPushButton>("Command4")->click();
        QCOMPARE(GetINI("Alarm", "Status", f.t.ini()), "Off");
        QCOMPARE(GetINI("Alarm", "When", f.t.ini()), "7:05"); // the time stays
        QVERIFY(!f.main->alarmArmed);

        // Closing any other way stores nothing.
        f.main->openSettings("alarm");
        f.find<QCheckBox>("Check9")->click();
        f.main->lblSettClick();
        QCOMPARE(GetINI("Alarm", "Status", f.t.ini()), "Off");
    }

    void messageBoxPlaceholder() {
        Fixture f;
        f.main->openSettings("alarm");
        auto* text1 = f.find<QLineEdit>("Text1");
        QCOMPARE(text1->text(), "(Message)");
        QCOMPARE(GetINI("Alarm", "Mess", f.t.ini()), "(Message)"); // written as it was filled
        text1->setFocus();
        text1->end(false);
        text1->backspace(); // "(Message" is the placeholder being deleted
        QCOMPARE(text1->text(), QString());
        QCOMPARE(GetINI("Alarm", "Mess", f.t.ini()), QString());
        QTest::keyClicks(text1, "Tea");
        QCOMPARE(GetINI("Alarm", "Mess", f.t.ini()), "Tea");
    }

    void closeReleasesAWaitingScoreOnlyWithANamedUser() {
        Fixture f("[Users]\r\nantal=1\r\nselected=1\r\nuser1=Anna\r\n");
        f.main->openSettings("user");
        QSignalSpy ready(f.s(), &frmSettings::userReady);
        f.find<QPushButton>("Command4")->click();
        QCOMPARE(ready.count(), 1);

        Fixture g;
        g.main->openSettings("user");
        QSignalSpy none(g.s(), &frmSettings::userReady);
        g.find<QPushButton>("Command4")->click();
        QCOMPARE(none.count(), 0);
    }

    void clearingTheList() {
        Fixture empty("[Highscore]\r\np1=0\r\n");
        QVERIFY(!empty.find("Command3")->isEnabled());

        Fixture f("[Highscore]\r\np1=245\r\nn1=Anna\r\nk1=123\r\nd1=105\r\nalltime=245\r\n");
        auto* clear = f.find<QPushButton>("Command3");
        QVERIFY(clear->isEnabled());
        QCOMPARE(clear->text(), "Clear the list");
        f.t.scripted.boxes.yesNoAnswers = {false};
        clear->click();
        QCOMPARE(GetINI("Highscore", "p1", f.t.ini()), "245");
        f.t.scripted.boxes.yesNoAnswers = {true};
        clear->click();
        QCOMPARE(f.t.scripted.boxes.shown.last().prompt, "Clear the list?");
        QCOMPARE(f.t.scripted.boxes.shown.last().title, "Confirm");
        QCOMPARE(GetINI("Highscore", "p1", f.t.ini()), "0");
        QCOMPARE(GetINI("Highscore", "alltime", f.t.ini()), "245");
        QVERIFY(!clear->isEnabled());
    }

    void signUpLink_data() {
        QTest::addColumn<QString>("warn");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("opened");
        QTest::newRow("asked, Yes") << "Yes" << QList<bool>{true} << 1 << true;
        QTest::newRow("asked, No") << "Yes" << QList<bool>{false} << 1 << false;
        QTest::newRow("not asked") << "No" << QList<bool>{} << 0 << true;
    }
    void signUpLink() {
        QFETCH(QString, warn);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, opened);
        Fixture f("[Options]\r\nWarnHomepage=" + warn.toUtf8() +
                  "\r\n[Internet]\r\nsignup=https://x.example/signup\r\n");
        writeBytes(f.t.path("Test.lan"),
                   readBytes(f.t.path("Test.lan")) + "[Info]\r\nInternational=Testish\r\n");
        f.main->openSettings("user");
        f.t.scripted.boxes.yesNoAnswers = answers;
        QTest::mouseClick(f.find("Label1"), Qt::LeftButton);
        QTEST(int(f.t.scripted.boxes.shown.size()), "boxes");
        if (!f.t.scripted.boxes.shown.isEmpty())
            QCOMPARE(f.t.scripted.boxes.shown[0].prompt, "Visit us?");
        QCOMPARE(f.t.scripted.shell.opened,
                 opened ? QStringList{"https://x.example/signup?lan=Testish"} : QStringList{});
        QCOMPARE(readBytes(f.t.path("Tarn.log")).contains("Visit homepage (Signup)."), opened);
        QCOMPARE(f.t.scripted.sound.played.size(), 0);
    }

    void statistics() {
        Fixture f(
            "[Session]\r\ntotal=12\r\n[Internet]\r\nentries=3\r\n[Highscore]\r\nalltime=310\r\n");
        QCOMPARE(f.find<QLabel>("lblInfo2")->text(), "7.02\n\n12\n3\n310");
        Fixture fresh;
        QCOMPARE(fresh.find<QLabel>("lblInfo2")->text(), "7.02\n\n0\n0\n0");
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
