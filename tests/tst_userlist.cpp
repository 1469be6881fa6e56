// The member accounts in Tarn.ini: adding, choosing and removing by position.
#include "TestSupport.h"
#include "settings/Profile.h"
#include "settings/UserList.h"

#include <QTest>

class UserListTest : public QObject {
    Q_OBJECT

    static QString users(const TestProgram& t, const QString& key) {
        return GetINI("Users", key, t.ini());
    }
    static QString log(const TestProgram& t) {
        return QString::fromUtf8(readBytes(t.path("Tarn.log")));
    }
    static void addABC(TestProgram& t) {
        for (const char* name : {"A", "B", "C"})
            QVERIFY(users::add(t.ini(), t.program->log, name, QStringLiteral("pw") + name));
    }

  private slots:
    void addingNeedsNameAndPassword_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("added");
        QTest::newRow("both") << "Anna"
                              << "secret" << true;
        QTest::newRow("no password") << "Anna"
                                     << "" << false;
        QTest::newRow("no name") << ""
                                 << "secret" << false;
        QTest::newRow("blanks and ampersand kept") << "Tom & Jerry"
                                                   << "a b&c" << true;
    }
    void addingNeedsNameAndPassword() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, added);
        TestProgram t;
        SetINI("Users", "antal", "1", t.ini());
        SetINI("Users", "user1", "First", t.ini());
        QCOMPARE(users::add(t.ini(), t.program->log, name, password), added);
        QCOMPARE(users::count(t.ini()), added ? 2 : 1);
        QCOMPARE(users(t, "user2"), added ? name : QString());
        QCOMPARE(users(t, "pass2"), added ? password : QString());
        QCOMPARE(users(t, "selected"), added ? "2" : "");
        QCOMPARE(log(t).contains("Add user: " + name + ".\r\n"), added);
    }

    void damagedCountCountsAsNone() {
        TestProgram t;
        SetINI("Users", "antal", "many", t.ini());
        QCOMPARE(users::count(t.ini()), 0);
        QVERIFY(users::add(t.ini(), t.program->log, "Anna", "pw"));
        QCOMPARE(users(t, "antal"), "1");
        QCOMPARE(users::names(t.ini()), QStringList{"Anna"});
    }

    void removingTheMiddleUserMovesTheRestUp() {
        TestProgram t;
        addABC(t);
        QVERIFY(users::remove(t.ini(), t.program->log, 2));
        QCOMPARE(users::names(t.ini()), (QStringList{"A", "C"}));
        QCOMPARE(users(t, "pass2"), "pwC");
        QCOMPARE(users(t, "user3"), "");
        QCOMPARE(users(t, "pass3"), "");
        QCOMPARE(users(t, "antal"), "2");
        QCOMPARE(users(t, "selected"), "1"); // the first user, whoever was current
        QVERIFY(log(t).contains("Remove user: B.\r\n"));
    }

    void removingTheOnlyUser() {
        TestProgram t;
        users::add(t.ini(), t.program->log, "Solo", "pw");
        QVERIFY(users::remove(t.ini(), t.program->log, 1));
        QCOMPARE(users(t, "antal"), "0");
        QCOMPARE(users(t, "user1"), "");
        QCOMPARE(users::selectedName(t.ini()), "");
    }

    void removingNoEntryChangesNothing_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("none shown") << 0;
        QTest::newRow("past the end") << 4;
    }
    void removingNoEntryChangesNothing() {
        QFETCH(int, position);
        TestProgram t;
        addABC(t);
        const QByteArray before = readBytes(t.ini());
        QVERIFY(!users::remove(t.ini(), t.program->log, position));
        QCOMPARE(readBytes(t.ini()), before);
    }

    void choosingWritesAndLogs() {
        TestProgram t;
        addABC(t);
        users::choose(t.ini(), t.program->log, 2);
        QCOMPARE(users(t, "selected"), "2");
        QCOMPARE(users::selectedName(t.ini()), "B");
        QVERIFY(log(t).contains("Change user: B.\r\n"));
    }
};

QTEST_GUILESS_MAIN(UserListTest)
#include "tst_userlist.moc"
