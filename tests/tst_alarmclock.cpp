// The clock's caption and date, when an alarm time is due, and how a stored time is split
// for the hour and minute boxes.
#include "settings/AlarmClock.h"

#include <QDate>
#include <QLocale>
#include <QTest>
#include <QTime>

class AlarmClockTest : public QObject {
    Q_OBJECT

  private slots:
    void caption_data() {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("caption");
        QTest::newRow("minutes below ten") << QTime(9, 7) << "9:07";
        QTest::newRow("afternoon") << QTime(14, 30, 59) << "14:30";
        QTest::newRow("midnight") << QTime(0, 0) << "0:00";
        QTest::newRow("last minute") << QTime(23, 59) << "23:59";
    }
    void caption() {
        QFETCH(QTime, time);
        QTEST(alarmclock::clockCaption(time), "caption");
    }

    void dateInTheSystemLanguage() {
        const QDate may4(2001, 5, 4);
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::English)), " 4 May 2001 ");
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::Swedish)), " 4 maj 2001 ");
        QCOMPARE(alarmclock::dateTip(QDate(2024, 12, 31), QLocale(QLocale::English)),
                 " 31 December 2024 ");
    }

    void due_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("due");
        QTest::newRow("7:05 at its first second") << "7:05" << QTime(7, 5, 0) << true;
        QTest::newRow("7:05 at its last second") << "7:05" << QTime(7, 5, 59) << true;
        QTest::newRow("7:05 a second early") << "7:05" << QTime(7, 4, 59) << false;
        QTest::newRow("7:05 a minute late") << "7:05" << QTime(7, 6) << false;
        QTest::newRow("7:05 is not 17:05") << "7:05" << QTime(17, 5) << false;
        QTest::newRow("7:5 written by hand") << "7:5" << QTime(7, 5, 30) << true;
        QTest::newRow("7:50 is not 7:05") << "7:50" << QTime(7, 5) << false;
        QTest::newRow("7:50") << "7:50" << QTime(7, 50) << true;
        QTest::newRow("17:30") << "17:30" << QTime(17, 30) << true;
        QTest::newRow("midnight") << "0:00" << QTime(0, 0, 10) << true;
        QTest::newRow("leading zero never matches") << "07:05" << QTime(7, 5) << false;
        QTest::newRow("empty never matches") << "" << QTime(0, 0) << false;
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
        QTest::newRow("17:30") << "17:30"
                               << "17"
                               << ":30";
        QTest::newRow("7:05") << "7:05"
                              << "7"
                              << ":05";
        QTest::newRow("7:5 shows as :05") << "7:5"
                                          << "7"
                                          << ":05";
        QTest::newRow("leading zero") << "07:05"
                                      << "7"
                                      << ":05";
        QTest::newRow("midnight") << "0:00"
                                  << "0"
                                  << ":00";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("hour 24") << "24:00"
                                 << ""
                                 << "";
        QTest::newRow("minute 60") << "7:60"
                                   << ""
                                   << "";
        QTest::newRow("no colon") << "705"
                                  << ""
                                  << "";
        QTest::newRow("words") << "seven"
                               << ""
                               << "";
    }
    void split() {
        QFETCH(QString, when);
        const alarmclock::WhenParts parts = alarmclock::splitWhen(when);
        QTEST(parts.hour, "hour");
        QTEST(parts.minutes, "minutes");
    }

    void messageTitleAndLog() {
        QCOMPARE(alarmclock::message("(Message)", "Alarm"), "Alarm!");
        QCOMPARE(alarmclock::message("Tea is ready", "Alarm"), "Tea is ready");
        QCOMPARE(alarmclock::message("(Message", "Alarm"), "(Message");
        QCOMPARE(alarmclock::message("", "Alarm"), "");
        QCOMPARE(alarmclock::title("Larm", "7:05"), "Larm 7:05");
        QCOMPARE(alarmclock::logLine("7:05", "Tea"), "Alarm 7:05, 'Tea'");
    }
};

QTEST_GUILESS_MAIN(AlarmClockTest)
#include "tst_alarmclock.moc"
