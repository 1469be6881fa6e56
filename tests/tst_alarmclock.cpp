// When a stored alarm time is due, how it is split for the hour and minute boxes, and the
// date in the system's language.
#include "settings/AlarmClock.h"

#include <QDate>
#include <QLocale>
#include <QTest>
#include <QTime>

class AlarmClockTest : public QObject {
    Q_OBJECT

  private slots:
    void due_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("due");
        // clang-format off
        QTest::newRow("7:05 first second") << "7:05" << QTime(7, 5, 0) << true;
        QTest::newRow("7:05 last second") << "7:05" << QTime(7, 5, 59) << true;
        QTest::newRow("7:05 a second early") << "7:05" << QTime(7, 4, 59) << false;
        QTest::newRow("7:05 is not 17:05") << "7:05" << QTime(17, 5) << false;
        QTest::newRow("7:5 by hand") << "7:5" << QTime(7, 5, 30) << true;
        QTest::newRow("7:50 is not 7:05") << "7:50" << QTime(7, 5) << false;
        QTest::newRow("17:30") << "17:30" << QTime(17, 30) << true;
        QTest::newRow("leading zero") << "07:05" << QTime(7, 5) << false;
        QTest::newRow("empty") << "" << QTime(0, 0) << false;
        // clang-format on
    }
    void due() {
        QFETCH(QString, when);
        QFETCH(QTime, time);
        QTEST(alarmclock::isDue(time, when), "due");
    }

    void split_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minutes");
        // clang-format off
        QTest::newRow("17:30") << "17:30" << "17" << ":30";
        QTest::newRow("7:05") << "7:05" << "7" << ":05";
        QTest::newRow("7:5") << "7:5" << "7" << ":05";
        QTest::newRow("midnight") << "0:00" << "0" << ":00";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("hour 24") << "24:00" << "" << "";
        QTest::newRow("minute 60") << "7:60" << "" << "";
        QTest::newRow("words") << "seven" << "" << "";
        // clang-format on
    }
    void split() {
        QFETCH(QString, when);
        const alarmclock::WhenParts parts = alarmclock::splitWhen(when);
        QTEST(parts.hour, "hour");
        QTEST(parts.minutes, "minutes");
    }

    void dateInTheSystemLanguage() {
        const QDate may4(2001, 5, 4);
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::English)), " 4 May 2001 ");
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::Swedish)), " 4 maj 2001 ");
    }
};

QTEST_GUILESS_MAIN(AlarmClockTest)
#include "tst_alarmclock.moc"
