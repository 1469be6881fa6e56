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
// In the order of their boxes Check5, Check7, Check8, Check2, Check4, Check3, Check6.
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
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("missing") << "" << "Yes";
        QTest::newRow("lower-case yes") << "yes" << "Yes";
        QTest::newRow("No") << "No" << "No";
        QTest::newRow("lower-case no is not No") << "no" << "Yes";
        // clang-format on
    }
    void loadWritesYesForEveryBoxNotSwitchedOff() {
        QFETCH(QString, stored);
        QFETCH(QString, after);
        QByteArray ini = "[Options]\r\n";
        for (const QString& key : SevenOptions)
            if (!stored.isEmpty()) ini += (key + "=" + stored + "\r\n").toUtf8();
        Fixture f(ini);
        QVERIFY(f.s() && f.s()->isHidden());
        for (const QString& key : SevenOptions)
            QCOMPARE(f.option(key), after);
        for (const char* box : {"Check2", "Check3", "Check4", "Check5", "Check6", "Check7"})
            QCOMPARE(f.find<QCheckBox>(box)->isChecked(), after == "Yes");
        // Mute is the sound switch's opposite and the load never writes it.
        QCOMPARE(f.option("PlaySound"), QString());
        QVERIFY(!f.find<QCheckBox>("Check1")->isChecked());
    }

    void eachBoxWritesItsKey_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        const char* boxes[] = {"Check5", "Check7", "Check8", "Check2",
                               "Check4", "Check3", "Check6"};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(boxes[i]) << boxes[i] << SevenOptions[i];
    }
    void eachBoxWritesItsKey() {
        QFETCH(QString, box);
        QFETCH(QString, key);
        Fixture f;
        auto* check = f.find<QCheckBox>(qPrintable(box));
        check->click();
        for (const QString& other : SevenOptions)
            QCOMPARE(f.option(other), other == key ? "No" : "Yes");
        check->click();
        QCOMPARE(f.option(key), "Yes");
    }

    void boxesActOnTheMainWindowAtOnce() {
        Fixture f("[Options]\r\nPlaySound=No\r\n");
        auto* clock = f.main->findChild<QLabel*>("ShowTime");
        auto* timer3 = f.main->findChild<QTimer*>("Timer3");
        QCOMPARE(clock->text(), "14:07"); // the load started the clock
        f.find<QCheckBox>("Check7")->click();
        QCOMPARE(f.main->clockSwitch, "No");
        QCOMPARE(clock->text(), QString());
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

        auto* mute = f.find<QCheckBox>("Check1");
        QVERIFY(mute->isChecked());
        QCOMPARE(f.option("PlaySound"), "No");
        mute->click();
        QCOMPARE(f.option("PlaySound"), "Yes");
        QCOMPARE(f.main->sounds().soundSwitch(), "Yes");
        QCOMPARE(f.main->soundPic()->pixmap().toImage(),
                 resources::iconPixmap(resources::SoundOn).toImage());
    }

    void pages_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QSize>("twips"); // the window with its title bar and borders
        QTest::addColumn<int>("closeTop");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("check9");
        QTest::addColumn<QRect>("frame7");
        QStringList all{"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7"};
        // clang-format off
        QTest::newRow("all") << "all" << all << QSize(5985, 6795) << 5130 << "Setup" << ""
                             << QRect(230, 218, 155, 65); // ends at the margin
        QTest::newRow("user") << "user" << QStringList{"Frame2"} << QSize(3465, 2530) << 1690
                              << "Member" << "" << QRect();
        QTest::newRow("alarm") << "alarm" << QStringList{"Frame7"} << QSize(3465, 2100) << 1260
                               << "Wake" << "Wake" << QRect(8, 6, 209, 69);
        // clang-format on
    }
    void pages() {
        QFETCH(QString, mode);
        QFETCH(QStringList, frames);
        QFETCH(QSize, twips);
        QFETCH(int, closeTop);
        QFETCH(QRect, frame7);
        Fixture f;
        f.main->openSettings(mode);
        QVERIFY(f.s()->isVisible());
        QTEST(f.s()->windowTitle(), "title");
        QCOMPARE(f.s()->size(), QSize((twips.width() - 90) / 15, (twips.height() - 375) / 15));
        for (QGroupBox* frame : f.s()->findChildren<QGroupBox*>())
            QCOMPARE(frame->isVisible(), frames.contains(frame->objectName()));
        QCOMPARE(f.find("Command3")->isVisible(), mode == "all");
        auto* close = f.find("Command4");
        QCOMPARE(close->y(), closeTop / 15);
        QCOMPARE(close->x() * 2 + close->width(), f.s()->width()); // centred
        QTEST(f.find<QCheckBox>("Check9")->text(), "check9");
        if (frame7.isValid()) QCOMPARE(f.find("Frame7")->geometry(), frame7);
        for (QWidget* w : f.s()->findChildren<QWidget*>())
            if (w->isVisible() && w->parentWidget() == f.s())
                QVERIFY2(f.s()->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void openersReloadTheWindow() {
        Fixture f;
        QPointer<frmSettings> hidden = f.s();
        QTest::mouseClick(f.main->findChild<QWidget*>("lblSett"), Qt::LeftButton);
        QVERIFY(f.s() != hidden && f.s()->isVisible());
        QCOMPARE(f.t.program->settingsMode, "all");
        QTest::mouseClick(f.main->findChild<QWidget*>("lb_User"), Qt::LeftButton);
        QCOMPARE(f.t.program->settingsMode, "user");
        QTest::mouseClick(f.main->findChild<QWidget*>("ShowTime"), Qt::LeftButton);
        QCOMPARE(f.t.program->settingsMode, "alarm");
        // The sound picture closes the window before it switches the sound.
        QTest::mouseClick(f.main->findChild<QWidget*>("SoundPic"), Qt::LeftButton);
        QVERIFY(!f.s());
        QCOMPARE(f.option("PlaySound"), "No");
        f.main->Restart(); // the next game loads it again, hidden
        QVERIFY(f.s() && f.s()->isHidden());
        QVERIFY(f.find<QCheckBox>("Check1")->isChecked());
    }

    void closeArmsOrDisarmsTheAlarm() {
        Fixture f("[Alarm]\r\nStatus=On\r\nWhen=17:30\r\n");
        f.main->openSettings("alarm");
        QVERIFY(f.find<QCheckBox>("Check9")->isChecked());
        QCOMPARE(f.find<QComboBox>("Combo1")->currentText(), "17");
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), ":30");
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
        f.find<QCheckBox>("Check9")->click();
        f.find<QPushButton>("Command4")->click();
        QCOMPARE(GetINI("Alarm", "Status", f.t.ini()), "Off");
        QCOMPARE(GetINI("Alarm", "When", f.t.ini()), "7:05"); // the time stays
        QVERIFY(!f.main->alarmArmed);

        f.main->openSettings("alarm"); // closed any other way, nothing is stored
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
        text1->end(false);
        text1->backspace(); // what is left of the placeholder goes
        QCOMPARE(text1->text(), QString());
        QCOMPARE(GetINI("Alarm", "Mess", f.t.ini()), QString());
        QTest::keyClicks(text1, "Tea");
        QCOMPARE(GetINI("Alarm", "Mess", f.t.ini()), "Tea");
    }

    void closeReleasesAWaitingScoreOnlyWithANamedUser() {
        for (const QByteArray& user : {QByteArray("Anna"), QByteArray()}) {
            Fixture f("[Users]\r\nantal=1\r\nselected=1\r\nuser1=" + user + "\r\n");
            f.main->openSettings("user");
            QSignalSpy ready(f.s(), &frmSettings::userReady);
            f.find<QPushButton>("Command4")->click();
            QCOMPARE(ready.count(), user.isEmpty() ? 0 : 1);
        }
    }

    void clearingTheList() {
        Fixture empty("[Highscore]\r\np1=0\r\n");
        QVERIFY(!empty.find("Command3")->isEnabled());
        Fixture f("[Highscore]\r\np1=245\r\nn1=Anna\r\nk1=123\r\nd1=105\r\n[Session]\r\n"
                  "total=12\r\n");
        QCOMPARE(f.find<QLabel>("lblInfo2")->text(), "7.02\n\n12\n0\n0"); // counts not kept: 0
        auto* clear = f.find<QPushButton>("Command3");
        QCOMPARE(clear->text(), "Clear the list");
        f.t.scripted.boxes.yesNoAnswers = {false, true};
        clear->click();
        QCOMPARE(GetINI("Highscore", "p1", f.t.ini()), "245");
        clear->click();
        QCOMPARE(f.t.scripted.boxes.shown.last().title, "Confirm");
        QCOMPARE(GetINI("Highscore", "p1", f.t.ini()), "0");
        QVERIFY(!clear->isEnabled());
    }

    void signUpLink_data() {
        QTest::addColumn<QString>("warn");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("opened");
        // clang-format off
        QTest::newRow("asked, Yes") << "Yes" << QList<bool>{true} << 1 << true;
        QTest::newRow("asked, No") << "Yes" << QList<bool>{false} << 1 << false;
        QTest::newRow("not asked") << "No" << QList<bool>{} << 0 << true;
        // clang-format on
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
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
