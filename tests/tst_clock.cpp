// The clock in the main window's title bar and the alarm it fires, with the rules for when a
// stored alarm time is due, how it is split for the hour and minute boxes, and the date.
#include "TestSupport.h"
#include "rules/clock/AlarmClock.h"
#include "core/Profile.h"

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
                  t.dir.path(), platform::Platform{alarmBoxes, s.sound, s.shell, s.desktop,
                                                   s.clock, s.random});
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

    void rules() {
        // clang-format off
        const struct { const char* when; QTime time; bool due; } due[] = {
            {"7:05", QTime(7, 5, 59), true},   // the minute's last second
            {"7:05", QTime(17, 5), false},
            {"7:5", QTime(7, 5, 30), true},    // written by hand
            {"7:50", QTime(7, 5), false},
            {"07:05", QTime(7, 5), false},     // never written with a leading zero
            {"", QTime(0, 0), false},
        };
        const struct { const char *when, *hour, *minutes; } split[] = {
            {"7:5", "7", ":05"}, {"0:00", "0", ":00"}, {"", "", ""},
            {"24:00", "", ""}, {"7:60", "", ""}, {"seven", "", ""},
        };
        // clang-format on
        for (const auto& r : due)
            QVERIFY2(alarmclock::isDue(r.time, r.when) == r.due, r.when);
        for (const auto& r : split) {
            QCOMPARE(alarmclock::splitWhen(r.when).hour, r.hour);
            QCOMPARE(alarmclock::splitWhen(r.when).minutes, r.minutes);
        }
        const QDate may4(2001, 5, 4);
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::English)), " 4 May 2001 ");
        QCOMPARE(alarmclock::dateTip(may4, QLocale(QLocale::Swedish)), " 4 maj 2001 ");
    }
};

QTEST_MAIN(ClockTest)
#include "tst_clock.moc"
