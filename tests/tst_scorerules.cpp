// The top-10 list's rules on values alone: ranking, texts, the score key and the submission
// address.
#include "scores/HighscoreList.h"
#include "scores/ScoreKey.h"
#include "scores/Submission.h"

#include <QTest>

using namespace scores;

class ScoreRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void insertion_data() {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("after");
        const QList<int> full{500, 450, 400, 350, 300, 250, 200, 150, 130, 120};
        QTest::newRow("equal to place 10 stays out") << full << 120 << 0 << full;
        QTest::newRow("one above place 10 replaces it")
            << full << 121 << 10 << QList<int>{500, 450, 400, 350, 300, 250, 200, 150, 130, 121};
        QTest::newRow("new best pushes place 10 off")
            << full << 501 << 1 << QList<int>{501, 500, 450, 400, 350, 300, 250, 200, 150, 130};
        QTest::newRow("0 stays out above a damaged negative place")
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, -5} << 0 << 0
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, -5};
        QTest::newRow("out of order: the first smaller place wins")
            << QList<int>{300, 0, 250} << 100 << 2
            << QList<int>{300, 100, 0, 250, 0, 0, 0, 0, 0, 0};
    }
    void insertion() {
        QFETCH(QList<int>, before);
        QFETCH(int, result);
        QFETCH(int, place);
        QFETCH(QList<int>, after);
        List list;
        for (int i = 0; i < before.size(); ++i)
            list[i] = {qint16(before[i]), QStringLiteral("P%1").arg(i + 1), "k", {}};
        const List old = list;
        const Entry pending{qint16(result), "New", "key", "105"};
        QCOMPARE(insertEntry(list, pending), place);
        for (int i = 0; i < Places; ++i) {
            QCOMPARE(int(list[i].points), after[i]);
            // Entries keep their names as they move down.
            const int from = place == 0 || i < place - 1 ? i : i - 1;
            QCOMPARE(list[i].name, i == place - 1 ? QStringLiteral("New") : old[from].name);
        }
    }

    void wholePoints() {
        QCOMPARE(scores::wholePoints("250.9"), qint16(250));
        QCOMPARE(scores::wholePoints(" -3.7 "), qint16(-3));
        QCOMPARE(scores::wholePoints("12abc"), qint16(0));
        QCOMPARE(scores::wholePoints("nan"), qint16(0));
        QCOMPARE(scores::wholePoints("99999"), qint16(32767));
    }

    void texts() {
        QCOMPARE(playTime(59), QStringLiteral("0:59"));
        QCOMPARE(playTime(125), QStringLiteral("2:05"));
        QCOMPARE(playTime(600), QStringLiteral("10:00"));
        const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
        QCOMPARE(playerName(QString(19, 'a') + face + "b"), QString(19, 'a') + face);
        QCOMPARE(playerName(" "), QStringLiteral(" "));
        // A name is appended as it stands, even one that looks like a placeholder.
        QCOMPARE(sessionLogText(2, 5, "0:01", 10, "%1"),
                 QStringLiteral("Session 2: Score: 5, time: 0:01. New highscore, place 10 \"%1\""));
        QCOMPARE(toppCaption(3, "243", "Anna", "3717"), QStringLiteral("3. 243 Anna"));
        QCOMPARE(toppCaption(3, "243", "Anna", ""), QString());
        QCOMPARE(toppTooltip(true, "Send", "243"), QStringLiteral(" Send  (243 p) "));
        QCOMPARE(toppTooltip(true, "Send", "0"), QString());
    }

    void scoreKey_data() {
        QTest::addColumn<double>("random");
        QTest::addColumn<int>("total");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("May 2001") << 0.25 << 250 << QDate(2001, 5, 3) << "37179891709";
        QTest::newRow("negative second number")
            << 0.0 << 1000 << QDate(2001, 5, 1) << "1-119893711";
        QTest::newRow("random 1.0 held at 9") << 1.0 << 0 << QDate(2012, 12, 1) << "99018778703";
        QTest::newRow("year 2000, January") << 0.5 << 989 << QDate(2000, 1, 9) << "5-449993707";
    }
    void scoreKey() {
        QFETCH(double, random);
        QFETCH(int, total);
        QFETCH(QDate, date);
        QFETCH(QString, key);
        QCOMPARE(scores::scoreKey(keyDigit(random), total, dateStamp(date), versionNumber("7.0")),
                 key);
    }

    void address() {
        Submission s{"http://scores.example/add.asp",
                     "Ann Lee&Co",
                     "p w",
                     700,
                     2,
                     "1212",
                     1206,
                     "243",
                     "37179891709",
                     "English",
                     {1280, 994},
                     osFamily("Debian 12")};
        QCOMPARE(submissionAddress(s),
                 QStringLiteral("http://scores.example/add.asp?user=Ann Lee&Co&pass=p w&ver=700"
                                "&rev=2&date=1212&points=243&key=37179891709&lan=English"
                                "&screen=1280x994&os=N/A"));
        s.date.clear();
        s.send.clear();
        s.workArea = {800, 570};
        const QString bare = submissionAddress(s);
        QVERIFY(bare.startsWith(QStringLiteral("?user=Ann Lee&Co&")));
        QVERIFY(bare.contains(QStringLiteral("&date=1206&")));
        QVERIFY(bare.contains(QStringLiteral("&screen=800x600&")));
        QCOMPARE(screenText({1024, 740}), QStringLiteral("1024x768"));
        QCOMPARE(screenText({1023, 768}), QStringLiteral("1023x768"));
        QCOMPARE(osFamily("Windows 98 SE"), QStringLiteral("Win95"));
        QCOMPARE(osFamily("Windows 10 Version 22H2"), QStringLiteral("WinNT"));
    }
};

QTEST_GUILESS_MAIN(ScoreRulesTest)
#include "tst_scorerules.moc"
