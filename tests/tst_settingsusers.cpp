// The user frame of the settings window: adding through the entry controls, choosing in the
// list, removing, and what the main window's user label shows meanwhile.
#include "TestSupport.h"
#include "game/MainWindow.h"
#include "settings/Profile.h"
#include "settings/SettingsWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

class SettingsUsersTest : public QObject {
    Q_OBJECT

    struct Fixture {
        Fixture() {
            t.useLanguage({"s1=Nobody", "s22=Playing:"});
            main = std::make_unique<Main>(*t.program);
            main->load();
            main->openSettings(QStringLiteral("user"));
        }
        template <class T = QWidget> T* find(const char* name) {
            return main->settingsWindow()->findChild<T*>(QLatin1String(name));
        }
        QComboBox* list() { return find<QComboBox>("List3"); }
        QString userLabel() { return main->findChild<QLabel*>("lb_User")->text(); }
        QString users(const QString& key) { return GetINI("Users", key, t.ini()); }
        QString log() { return QString::fromUtf8(readBytes(t.path("Tarn.log"))); }
        void add(const QString& name, const QString& password) {
            QTest::mouseClick(find("Command1"), Qt::LeftButton);
            QTest::keyClicks(find("txtUser"), name);
            QTest::keyClicks(find("txtPass"), password);
            QTest::mouseClick(find("butOK"), Qt::LeftButton);
        }
        TestProgram t;
        std::unique_ptr<Main> main;
    };

  private slots:
    void entryReplacesTheListAndMasksThePassword() {
        Fixture f;
        QVERIFY(!f.find("txtUser")->isVisible());
        QTest::mouseClick(f.find("Command1"), Qt::LeftButton);
        QVERIFY(f.find("txtUser")->isVisible() && !f.find("List3")->isVisible());
        auto* pass = f.find<QLineEdit>("txtPass");
        QCOMPARE(pass->echoMode(), QLineEdit::Password);
        QCOMPARE(pass->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, pass),
                 int('*'));
    }

    void addingThreeAndRemovingTheMiddleOne() {
        Fixture f;
        QCOMPARE(f.userLabel(), "Nobody");
        QVERIFY(!f.find("Command2")->isEnabled());
        f.add("A", "pa");
        QCOMPARE(f.userLabel(), "A");
        QVERIFY(f.find("Command2")->isEnabled());
        f.add("B", "pb");
        f.add("C", "pc");
        QVERIFY(f.find("List3")->isVisible());
        QCOMPARE(f.list()->count(), 3);
        QCOMPARE(f.list()->currentText(), "C"); // the new user is the current one
        QCOMPARE(f.list()->toolTip(), " Playing: C ");
        QCOMPARE(f.userLabel(), "C");

        f.list()->setCurrentIndex(1);
        QTest::mouseClick(f.find("Command2"), Qt::LeftButton);
        QCOMPARE(f.users("user1"), "A");
        QCOMPARE(f.users("user2"), "C");
        QCOMPARE(f.users("pass2"), "pc");
        QCOMPARE(f.users("user3"), QString());
        QCOMPARE(f.users("antal"), "2");
        QCOMPARE(f.users("selected"), "1");
        QVERIFY(f.log().contains("Remove user: B.\r\n"));
        QCOMPARE(f.list()->currentText(), "A");
        QCOMPARE(f.list()->toolTip(), " Playing: A ");
        QCOMPARE(f.userLabel(), "A");
    }

    void removingTheLastUser() {
        Fixture f;
        f.add("Solo", "pw");
        QTest::mouseClick(f.find("Command2"), Qt::LeftButton);
        QCOMPARE(f.users("antal"), "0");
        QCOMPARE(f.userLabel(), "Nobody");
        QCOMPARE(f.list()->count(), 0);
        QCOMPARE(f.list()->toolTip(), " Nobody ");
        QVERIFY(!f.find("Command2")->isEnabled());
        QCOMPARE(f.list()->placeholderText(), "Nobody");
    }

    void removingWithNoEntryShownChangesNothing() {
        Fixture f;
        f.add("A", "pa");
        f.add("B", "pb");
        const QByteArray before = readBytes(f.t.ini());
        f.list()->setCurrentIndex(-1);
        f.main->settingsWindow()->Command2Click();
        QCOMPARE(readBytes(f.t.ini()), before);
    }

    void incompleteEntryStoresNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        // clang-format off
        QTest::newRow("no password") << "Anna" << "";
        QTest::newRow("no name") << "" << "secret";
        // clang-format on
    }
    void incompleteEntryStoresNothing() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        Fixture f;
        f.add("First", "pw");
        f.add(name, password);
        QVERIFY(f.find("List3")->isVisible());
        QCOMPARE(f.users("antal"), "1");
        QCOMPARE(f.users("user2"), QString());
        QCOMPARE(f.userLabel(), "First");
    }

    void choosingAUser() {
        Fixture f;
        f.add("Anna", "a");
        f.add("Anna", "b"); // the same name twice: the place tells them apart
        f.add("Tom & Jerry", "c");
        emit f.list()->activated(1);
        QCOMPARE(f.users("selected"), "2");
        QCOMPARE(f.list()->toolTip(), " Playing: Anna ");
        QCOMPARE(f.userLabel(), "Anna");
        QVERIFY(f.log().contains("Change user: Anna.\r\n"));
        emit f.list()->activated(2);
        QCOMPARE(f.userLabel(), "Tom & Jerry");

        // Reopened, the list shows the current user by place.
        SetINI("Users", "selected", "2", f.t.ini());
        f.main->openSettings(QStringLiteral("user"));
        QCOMPARE(f.list()->currentIndex(), 1);
    }
};

QTEST_MAIN(SettingsUsersTest)
#include "tst_settingsusers.moc"
