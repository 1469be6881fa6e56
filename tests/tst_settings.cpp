// The settings window: what its load writes, what each option box writes and sets off, its
// three pages and their openers, the alarm and user frames with their Close button, clearing
// the list and the sign-up link.
#include "TestSupport.h"
#include "core/Profile.h"
#include "platform/ProfileFile.h"
#include "ui/ClickLabel.h"
#include "ui/Resources.h"
#include "ui/SoundEffects.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTimer>

namespace {
// Each option box and the key it writes.
const QList<std::pair<QString, QString>> OptionBoxes{
    {"Check5", "ShowSplash"},  {"Check7", "ShowTime"},    {"Check8", "ShowRedSquare"},
    {"Check2", "WarnExit"},    {"Check4", "WarnNewGame"}, {"Check3", "WarnHomepage"},
    {"Check6", "ShowHelpText"}};

struct Settings : TestGame {
    using TestGame::TestGame;
    frmSettings* window() const { return windows->settings(); }
    QString option(const QString& key) const { return ini("Options", key); }
    void press(const char* name) const { QTest::mouseClick(setting(name), Qt::LeftButton); }
};
} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void loadWritesYesForEveryBoxNotSwitchedOff() {
        for (const QString stored : {"", "yes", "No", "no"}) {
            QByteArray ini = "[Options]\r\n";
            for (const auto& [box, key] : OptionBoxes)
                if (!stored.isEmpty()) ini += (key + "=" + stored + "\r\n").toUtf8();
            Settings s(ini);
            QVERIFY(s.window() && s.window()->isHidden());
            const QString after = stored == "No" ? "No" : "Yes"; // only exactly "No" stays
            for (const auto& [box, key] : OptionBoxes) {
                QCOMPARE(s.option(key), after);
                QCOMPARE(s.setting<QCheckBox>(box)->isChecked(), after == "Yes");
            }
            // Mute is the sound switch's opposite and the load never writes it.
            QCOMPARE(s.option("PlaySound"), QString());
            QVERIFY(!s.setting<QCheckBox>("Check1")->isChecked());

            // Every load stores all it changed with one replacement of the file, and a load
            // that changes nothing leaves the file alone.
            QVERIFY(SetINI("Alarm", "Mess", "", s.t.ini()));
            qint64 before = profile::replacements();
            s.windows->openSettings("all");
            QCOMPARE(profile::replacements() - before, 1);
            QCOMPARE(s.ini("Alarm", "Mess"), "(Message)");
            before = profile::replacements();
            s.windows->openSettings("all");
            QCOMPARE(profile::replacements() - before, 0);
        }
    }

    void eachBoxWritesItsKeyAlone() {
        Settings s;
        for (const auto& [box, key] : OptionBoxes) {
            s.setting<QCheckBox>(box)->click();
            for (const auto& [otherBox, other] : OptionBoxes)
                QCOMPARE(s.option(other), other == key ? "No" : "Yes");
            s.setting<QCheckBox>(box)->click();
            QCOMPARE(s.option(key), "Yes");
        }
    }

    void boxesActOnTheMainWindowAtOnce() {
        Settings s("[Options]\r\nPlaySound=No\r\n");
        auto* clock = s.find<QLabel>("ShowTime");
        auto* timer3 = s.find<QTimer>("Timer3");
        QCOMPARE(clock->text(), "14:07"); // the load started the clock
        s.setting<QCheckBox>("Check7")->click();
        QCOMPARE(s.main->clockSwitch(), "No");
        QCOMPARE(clock->text(), QString());
        QVERIFY(!timer3->isActive());
        s.t.scripted.clock.current.setTime(QTime(9, 3));
        s.setting<QCheckBox>("Check7")->click();
        QCOMPARE(clock->text(), "9:03");
        QVERIFY(timer3->isActive());

        auto* minimera = s.find("Minimera");
        QCOMPARE(minimera->toolTip(), " Minimise ");
        s.setting<QCheckBox>("Check6")->click();
        QCOMPARE(minimera->toolTip(), QString());

        auto* indik = s.find("Indik");
        indik->show();
        s.setting<QCheckBox>("Check8")->click(); // unticked: hidden at once
        QVERIFY(indik->isHidden());

        auto* mute = s.setting<QCheckBox>("Check1");
        QVERIFY(mute->isChecked());
        mute->click();
        QCOMPARE(s.option("PlaySound"), "Yes");
        QCOMPARE(s.main->soundSwitch(), "Yes");
        QCOMPARE(s.find<QLabel>("SoundPic")->pixmap().toImage(),
                 resources::iconPixmap(resources::SoundOn).toImage());
    }

    void pages_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QSize>("twips"); // the window with its title bar and borders
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("check9");
        const QStringList all{"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7"};
        // clang-format off
        QTest::newRow("all") << "all" << all << QSize(5985, 6795) << "Setup" << "";
        QTest::newRow("user") << "user" << QStringList{"Frame2"} << QSize(3465, 2530) << "Member" << "";
        QTest::newRow("alarm") << "alarm" << QStringList{"Frame7"} << QSize(3465, 2100) << "Wake" << "Wake";
        // clang-format on
    }
    void pages() {
        QFETCH(QString, mode);
        QFETCH(QStringList, frames);
        QFETCH(QSize, twips);
        Settings s;
        s.windows->openSettings(mode);
        frmSettings* w = s.window();
        QVERIFY(w->isVisible());
        QTEST(w->windowTitle(), "title");
        QCOMPARE(w->size(), QSize((twips.width() - 90) / 15, (twips.height() - 375) / 15));
        for (QGroupBox* frame : w->findChildren<QGroupBox*>())
            QCOMPARE(frame->isVisible(), frames.contains(frame->objectName()));
        QCOMPARE(s.setting("Command3")->isVisible(), mode == "all");
        QTEST(s.setting<QCheckBox>("Check9")->text(), "check9");
        // Everything lies inside the window (the alarm frame of the full page is cut at the
        // margin), with the Close button in the middle.
        auto* close = s.setting("Command4");
        QCOMPARE(close->x() * 2 + close->width(), w->width());
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisible() && c->parentWidget() == w)
                QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->objectName()));
    }

    void openersReloadTheWindow() {
        Settings s;
        QPointer<frmSettings> hidden = s.window();
        s.click("lblSett");
        QVERIFY(s.window() != hidden && s.window()->isVisible());
        QCOMPARE(s.window()->mode(), "all");
        s.click("lb_User");
        QCOMPARE(s.window()->mode(), "user");
        s.click("ShowTime");
        QCOMPARE(s.window()->mode(), "alarm");
        // The sound picture closes the window before it switches the sound.
        s.click("SoundPic");
        QVERIFY(!s.window());
        QCOMPARE(s.option("PlaySound"), "No");
        s.main->Restart(); // the next game loads it again, hidden
        QVERIFY(s.window() && s.window()->isHidden());
        QVERIFY(s.setting<QCheckBox>("Check1")->isChecked());
    }

    void alarmFrame() {
        Settings s("[Alarm]\r\nStatus=On\r\nWhen=17:30\r\n");
        s.windows->openSettings("alarm");
        QVERIFY(s.setting<QCheckBox>("Check9")->isChecked());
        QCOMPARE(s.setting<QComboBox>("Combo1")->currentText(), "17");
        QCOMPARE(s.setting<QComboBox>("Combo2")->currentText(), ":30");

        // The message is written as it is typed, the placeholder too.
        auto* text1 = s.setting<QLineEdit>("Text1");
        QCOMPARE(text1->text(), "(Message)");
        QCOMPARE(s.ini("Alarm", "Mess"), "(Message)");
        text1->end(false);
        text1->backspace(); // what is left of the placeholder goes
        QCOMPARE(text1->text(), QString());
        QCOMPARE(s.ini("Alarm", "Mess"), QString());
        QTest::keyClicks(text1, "Tea");
        QCOMPARE(s.ini("Alarm", "Mess"), "Tea");

        s.setting<QComboBox>("Combo1")->setCurrentText("7");
        s.setting<QComboBox>("Combo2")->setCurrentText(":05");
        QCOMPARE(s.ini("Alarm", "When"), "17:30"); // only Close stores the time
        s.press("Command4");
        QVERIFY(!s.window());
        QCOMPARE(s.ini("Alarm", "Status"), "On");
        QCOMPARE(s.ini("Alarm", "When"), "7:05");
        QVERIFY(s.main->alarmArmed());
        QCOMPARE(s.main->alarmTime(), "7:05");

        s.windows->openSettings("alarm");
        s.setting<QCheckBox>("Check9")->click();
        s.press("Command4");
        QCOMPARE(s.ini("Alarm", "Status"), "Off");
        QCOMPARE(s.ini("Alarm", "When"), "7:05"); // the time stays
        QVERIFY(!s.main->alarmArmed());

        s.windows->openSettings("alarm"); // closed any other way, nothing is stored
        s.setting<QCheckBox>("Check9")->click();
        s.click("lblSett");
        QCOMPARE(s.ini("Alarm", "Status"), "Off");
    }

    void addingChoosingAndRemovingUsers() {
        Settings s;
        s.windows->openSettings("user");
        auto* list = s.setting<QComboBox>("List3");
        auto label = [&s] { return s.find<QLabel>("lb_User")->text(); };
        auto add = [&s](const QString& name, const QString& password) {
            s.press("Command1");
            QTest::keyClicks(s.setting("txtUser"), name);
            QTest::keyClicks(s.setting("txtPass"), password);
            s.press("butOK");
        };
        QCOMPARE(label(), "Nobody");
        QVERIFY(!s.setting("Command2")->isEnabled());
        // The entry takes the list's place and shows the password as stars.
        s.press("Command1");
        QVERIFY(s.setting("txtUser")->isVisible() && !list->isVisible());
        auto* pass = s.setting<QLineEdit>("txtPass");
        QCOMPARE(pass->echoMode(), QLineEdit::Password);
        QCOMPARE(pass->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, pass),
                 int('*'));
        // Without a name or a password nothing is stored.
        add("Anna", "");
        add("", "secret");
        QVERIFY(list->isVisible());
        QCOMPARE(s.ini("Users", "antal"), QString());
        QCOMPARE(label(), "Nobody");

        add("Anna", "pa");
        QCOMPARE(label(), "Anna");
        QVERIFY(s.setting("Command2")->isEnabled());
        add("Bo", "pb");
        add("Anna", "pc"); // the same name twice: the place tells them apart
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentIndex(), 2); // the new user is the current one
        QCOMPARE(list->toolTip(), " Playing: Anna ");
        emit list->activated(1);
        QCOMPARE(s.ini("Users", "selected"), "2");
        QCOMPARE(list->toolTip(), " Playing: Bo ");
        QCOMPARE(label(), "Bo");
        QVERIFY(s.log().contains("Change user: Bo.\r\n"));
        emit list->activated(2);
        // Close lets a waiting score go on to be sent, once there is a user with a name.
        QSignalSpy ready(s.window(), &frmSettings::userReady);
        s.press("Command4");
        QCOMPARE(ready.count(), 1);
        s.windows->openSettings("user"); // reopened, the list shows the current user by place
        list = s.setting<QComboBox>("List3");
        QCOMPARE(list->currentIndex(), 2);

        const QByteArray before = readBytes(s.t.ini());
        list->setCurrentIndex(-1); // no entry shown: nothing to remove
        s.press("Command2");
        QCOMPARE(readBytes(s.t.ini()), before);

        list->setCurrentIndex(1);
        s.press("Command2");
        QCOMPARE(s.ini("Users", "user1"), "Anna");
        QCOMPARE(s.ini("Users", "user2"), "Anna");
        QCOMPARE(s.ini("Users", "pass2"), "pc");
        QCOMPARE(s.ini("Users", "user3"), QString());
        QCOMPARE(s.ini("Users", "antal"), "2");
        QCOMPARE(s.ini("Users", "selected"), "1");
        QVERIFY(s.log().contains("Remove user: Bo.\r\n"));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->toolTip(), " Playing: Anna ");
        QCOMPARE(label(), "Anna");

        s.press("Command2");
        s.press("Command2");
        QCOMPARE(s.ini("Users", "antal"), "0");
        QCOMPARE(label(), "Nobody");
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->toolTip(), " Nobody ");
        QCOMPARE(list->placeholderText(), "Nobody");
        QVERIFY(!s.setting("Command2")->isEnabled());
        QSignalSpy none(s.window(), &frmSettings::userReady);
        s.press("Command4");
        QCOMPARE(none.count(), 0);
    }

    void claimedCountsAreNotSizes() {
        // Counts near the top of their range used to walk every number at start-up.
        Settings s("[Users]\r\nantal=2147483647\r\nselected=1\r\nuser1=Anna\r\npass1=a\r\n",
                   [](TestProgram& t) { SetINI("Language", "antal", "2147483647", t.ini()); });
        s.windows->openSettings("all");
        QCOMPARE(s.setting<QComboBox>("List1")->count(), 1);
        QCOMPARE(s.setting<QComboBox>("List3")->count(), 1);
        // The next user takes the place after the last one there is.
        s.press("Command1");
        s.setting<QLineEdit>("txtUser")->setText("Bo");
        s.setting<QLineEdit>("txtPass")->setText("b");
        s.press("butOK");
        QCOMPARE(s.ini("Users", "antal"), "2");
        QCOMPARE(s.ini("Users", "user2"), "Bo");
        QCOMPARE(s.setting<QComboBox>("List3")->count(), 2);
    }

    void clearingTheList() {
        QVERIFY(!Settings("[Highscore]\r\np1=0\r\n").setting("Command3")->isEnabled());
        Settings s("[Options]\r\nShowHelpText=Yes\r\n[Highscore]\r\np1=245\r\nn1=Anna\r\n"
                   "k1=123\r\nd1=105\r\nalltime=300\r\nname=Bo\r\n[Session]\r\ntotal=12\r\n");
        QCOMPARE(s.setting<QLabel>("lblInfo2")->text(), "7.02\n\n12\n0\n300"); // not kept: 0
        auto* clear = s.setting<QPushButton>("Command3");
        auto* first = s.find<QLabel>("Topp01");
        QCOMPARE(first->text(), "1. 245 Anna");
        const QByteArray before = readBytes(s.t.ini());
        s.boxes().yesNoAnswers = {false, true};
        clear->click();
        QCOMPARE(s.boxes().shown.last().prompt, "Clear the list?");
        QCOMPARE(readBytes(s.t.ini()), before);
        QCOMPARE(first->text(), "1. 245 Anna");
        QVERIFY(clear->isEnabled());
        QVERIFY(s.log().isEmpty());

        clear->click();
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(s.ini("Highscore", QStringLiteral("p%1").arg(n)), "0");
            for (const char* prefix : {"n", "k", "d"})
                QCOMPARE(s.ini("Highscore", prefix + QString::number(n)), QString());
            auto* label = s.find<QLabel>(QStringLiteral("Topp%1").arg(n, 2, 10, QChar('0')));
            QCOMPARE(label->text(), QString());
            QVERIFY(label->isHidden());
        }
        // The best score ever, the last name and the game count stay.
        QCOMPARE(s.ini("Highscore", "alltime"), "300");
        QCOMPARE(s.ini("Highscore", "name"), "Bo");
        QCOMPARE(s.ini("Session", "total"), "12");
        QVERIFY(s.log().endsWith("  Clear highscore.\r\n"));
        QCOMPARE(s.log().count('\n'), 1);
        QVERIFY(!clear->isEnabled());
    }

    void signUpLink_data() {
        QTest::addColumn<QString>("warn");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("opened");
        QTest::newRow("asked, Yes") << "Yes" << QList<bool>{true} << true;
        QTest::newRow("asked, No") << "Yes" << QList<bool>{false} << false;
        QTest::newRow("not asked") << "No" << QList<bool>{} << true;
    }
    void signUpLink() {
        QFETCH(QString, warn);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, opened);
        Settings s("[Options]\r\nWarnHomepage=" + warn.toUtf8() +
                   "\r\n[Internet]\r\nsignup=https://x.example/signup\r\n");
        writeBytes(s.t.path("Test.lan"),
                   readBytes(s.t.path("Test.lan")) + "[Info]\r\nInternational=Testish\r\n");
        s.windows->openSettings("user");
        s.boxes().yesNoAnswers = answers;
        s.press("Label1");
        QCOMPARE(s.boxes().shown.size(), answers.size());
        if (!answers.isEmpty()) QCOMPARE(s.boxes().shown[0].prompt, "Visit us?");
        QCOMPARE(s.t.scripted.shell.opened,
                 opened ? QStringList{"https://x.example/signup?lan=Testish"} : QStringList{});
        QCOMPARE(s.log().contains("Visit homepage (Signup)."), opened);
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
