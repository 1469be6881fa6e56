// The event log: its line format, the WriteLog switch, and a log that cannot be written.
#include "TestSupport.h"
#include "settings/Profile.h"

#include <QFile>
#include <QTest>

class EventLogTest : public QObject {
    Q_OBJECT
private slots:
    void linesAreAppendedInTheFormat() {
        TestProgram t;
        QVERIFY(t.program->log.AppendLog(QStringLiteral("Clear highscore")));
        t.scripted.clock.current = QDateTime(QDate(2001, 5, 4), QTime(9, 0, 1));
        QVERIFY(t.program->log.AppendLog(QStringLiteral("Ends with a stop.")));
        QCOMPARE(readBytes(t.path("Tarn.log")),
                 QByteArray("2001-05-03 14:07:09  Clear highscore.\r\n"
                            "2001-05-04 09:00:01  Ends with a stop..\r\n"));
    }

    void switchIsReadEveryTime() {
        TestProgram t;
        QVERIFY(SetINI("Options", "WriteLog", "No", t.ini()));
        QVERIFY(!t.program->log.AppendLog(QStringLiteral("Off")));
        QVERIFY(!QFile::exists(t.path("Tarn.log")));
        QVERIFY(SetINI("Options", "WriteLog", "no", t.ini())); // only exactly "No" is off
        QVERIFY(t.program->log.AppendLog(QStringLiteral("On")));
        QVERIFY(readBytes(t.path("Tarn.log")).endsWith("  On.\r\n"));
    }

    void unwritableLogIsHarmless() {
        TestProgram t;
        QVERIFY(QDir(t.dir.path()).mkdir(QStringLiteral("Tarn.log"))); // a directory in its place
        QVERIFY(!t.program->log.AppendLog(QStringLiteral("Lost")));
    }
};

QTEST_GUILESS_MAIN(EventLogTest)
#include "tst_eventlog.moc"
