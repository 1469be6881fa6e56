// The clock in the main window's title bar and the alarm it fires, with the rules for when a
// stored alarm time is due, how it is split for the hour and minute boxes, and the date.
#include "TestSupport.h"
#include "core/Profile.h"
#include "rules/clock/AlarmClock.h"

#include <QLabel>
#include <QTimer>

namespace {
// Boxes whose message box lets the clock tick while it is open, as a real modal box does.
struct TickingBoxes : platform::ScriptedBoxes {
    void message(QWidget* parent, const QString& text, const QString& title,
                 platform::BoxIcon icon) override {
        ScriptedBoxes::message(parent, text, title, icon);
        if (whileOpen) whileOpen();
    }
    std::function<void()> whileOpen;
};
// A base of its own, so that the boxes exist before TestGame makes the window on them.
struct WithTickingBoxes {
    TickingBoxes alarmBoxes;
};

struct Clock : WithTickingBoxes, TestGame {
    explicit Clock(const QByteArray& ini)
        : TestGame(ini, [this](TestProgram& t) {
              platform::ScriptedPlatform& s = t.scripted;
              const QString language = t.program->languageFile;
              t.program = std::make_unique<Program>(
                  t.dir.path(), platform::Platform{alarmBoxes, s.sound, s.shell, s.desktop, s.clock,
                                                   s.random, s.mail});
              t.program->languageFile = language;
          }) {}
    void tickAt(int h, int m, int s = 0) {
        t.scripted.clock.current.setTime(QTime(h, m, s));
        main->Timer3Tick();
    }
    QString clock() const { return find<QLabel>("ShowTime")->text(); }
};
} // namespace

class ClockTest : public QObject {
    Q_OBJECT

  private slots:
    void alarmFiresOnceAtItsMinute() {
        Clock c("[Alarm]\r\nStatus=On\r\nWhen=7:05\r\nMess=Tea\r\n");
        // A tick while the box is still open must not show it again.
        c.alarmBoxes.whileOpen = [&c] { c.tickAt(7, 5, 2); };
        c.tickAt(7, 4, 59);
        QVERIFY(c.alarmBoxes.shown.isEmpty());
        c.tickAt(7, 5, 0);
        QCOMPARE(c.alarmBoxes.shown.size(), 1);
        QCOMPARE(c.alarmBoxes.shown[0].prompt, "Tea");
        QCOMPARE(c.alarmBoxes.shown[0].title, "Wake 7:05");
        QCOMPARE(c.ini("Alarm", "Status"), "Off");
        QVERIFY(!c.main->alarmArmed());
        QVERIFY(c.log().endsWith("  Alarm 7:05, 'Tea'.\r\n"));
        c.tickAt(7, 5, 59);
        QCOMPARE(c.alarmBoxes.shown.size(), 1);
        QCOMPARE(c.clock(), "7:05");
    }

    void placeholderMessageSaysTheWordForAlarm() {
        Clock c("[Alarm]\r\nStatus=On\r\nWhen=17:30\r\n");
        // The settings window filled its message box with the placeholder and stored it.
        QCOMPARE(c.ini("Alarm", "Mess"), alarmclock::Placeholder);
        c.tickAt(17, 30, 40);
        QCOMPARE(c.alarmBoxes.shown.size(), 1);
        QCOMPARE(c.alarmBoxes.shown[0].prompt, "Wake!");
        QVERIFY(c.log().endsWith("  Alarm 17:30, 'Wake!'.\r\n"));
    }

    // The clock is on unless exactly "No"; the alarm is armed only by exactly "On".
    void noAlarmWithTheClockOffOrTheAlarmNotExactlyOn() {
        Clock off("[Options]\r\nShowTime=No\r\n[Alarm]\r\nStatus=On\r\nWhen=7:05\r\n");
        QCOMPARE(off.main->clockSwitch(), "No");
        off.tickAt(7, 5);
        QVERIFY(off.alarmBoxes.shown.isEmpty());
        QCOMPARE(off.clock(), QString());
        auto* timer3 = off.find<QTimer>("Timer3");
        QVERIFY(!timer3->isActive());
        QCOMPARE(timer3->interval(), 1800);
        QCOMPARE(off.ini("Alarm", "Status"), "On");

        Clock on("[Options]\r\nShowTime=no\r\n[Alarm]\r\nstatus=on\r\nWhen=7:05\r\n");
        QCOMPARE(on.main->clockSwitch(), "Yes");
        QVERIFY(!on.main->alarmArmed());
        on.tickAt(7, 5);
        QVERIFY(on.alarmBoxes.shown.isEmpty());
        QCOMPARE(on.clock(), "7:05");
    }

    void due_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("due");
        // The minute's last second.
        QTest::newRow("7:05 at 7:05:59") << "7:05" << QTime(7, 5, 59) << true;
        QTest::newRow("7:05 at 17:05") << "7:05" << QTime(17, 5) << false;
        // Written by hand.
        QTest::newRow("7:5 at 7:05:30") << "7:5" << QTime(7, 5, 30) << true;
        QTest::newRow("7:50 at 7:05") << "7:50" << QTime(7, 5) << false;
        // Never written with a leading zero.
        QTest::newRow("07:05 at 7:05") << "07:05" << QTime(7, 5) << false;
        QTest::newRow("empty at 0:00") << "" << QTime(0, 0) << false;
    }
    void due() {
        QFETCH(QString, when);
        QFETCH(QTime, time);
        QTEST(alarmclock::isDue(time, when), "due");
    }

    void splitForTheBoxes_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minutes");
        // clang-format off
        QTest::newRow("7:5") << "7:5" << "7" << ":05";
        QTest::newRow("0:00") << "0:00" << "0" << ":00";
        for (const char* bad : {"", "24:00", "7:60", "seven"}) // no time of day: both boxes empty
            QTest::addRow("%s", *bad ? bad : "empty") << bad << "" << "";
        // clang-format on
    }
    void splitForTheBoxes() {
        QFETCH(QString, when);
        QTEST(alarmclock::splitWhen(when).hour, "hour");
        QTEST(alarmclock::splitWhen(when).minutes, "minutes");
    }

    void dateTip() {
        const QDate may4(2001, 5, 4);
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::English)), " 4 May 2001 ");
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::Swedish)), " 4 maj 2001 ");
    }
};

QTEST_MAIN(ClockTest)
#include "tst_clock.moc"
