// The clock in the main window's title bar and the alarm it fires.
#include "TestSupport.h"
#include "game/MainWindow.h"
#include "settings/AlarmClock.h"
#include "settings/Profile.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
// Boxes whose message box lets the clock tick while it is open, as a real modal box does.
class TickingBoxes : public platform::ScriptedBoxes {
  public:
    void message(QWidget* parent, const QString& text, const QString& title,
                 platform::BoxIcon icon) override {
        ScriptedBoxes::message(parent, text, title, icon);
        if (whileOpen) whileOpen();
    }
    std::function<void()> whileOpen;
};
} // namespace

class ClockTest : public QObject {
    Q_OBJECT

    struct Fixture {
        explicit Fixture(const QByteArray& ini) {
            writeBytes(t.ini(), ini);
            t.useLanguage({"s18=Wake"});
            program = std::make_unique<Program>(
                t.dir.path(),
                platform::Platform{boxes, t.scripted.sound, t.scripted.shell, t.scripted.desktop,
                                   t.scripted.clock, t.scripted.random});
            program->languageFile = t.program->languageFile;
            main = std::make_unique<Main>(*program);
            main->load();
        }
        void tickAt(int h, int m, int s = 0) {
            t.scripted.clock.current.setTime(QTime(h, m, s));
            main->Timer3Tick();
        }
        QLabel* clock() { return main->findChild<QLabel*>("ShowTime"); }
        TestProgram t;
        TickingBoxes boxes;
        std::unique_ptr<Program> program;
        std::unique_ptr<Main> main;
    };

  private slots:
    void alarmFiresOnceAtItsMinute_data() {
        QTest::addColumn<QString>("when");
        // clang-format off
        QTest::newRow("7:05") << "7:05";
        QTest::newRow("7:5") << "7:5";
        // clang-format on
    }
    void alarmFiresOnceAtItsMinute() {
        QFETCH(QString, when);
        Fixture f("[Alarm]\r\nStatus=On\r\nWhen=" + when.toUtf8() + "\r\nMess=Tea\r\n");
        // A tick while the box is still open must not show it again.
        f.boxes.whileOpen = [&f] { f.tickAt(7, 5, 2); };
        f.tickAt(7, 4, 59);
        QVERIFY(f.boxes.shown.isEmpty());
        f.tickAt(7, 5, 0);
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown[0].prompt, "Tea");
        QCOMPARE(f.boxes.shown[0].title, "Wake " + when);
        QCOMPARE(GetINI("Alarm", "Status", f.t.ini()), "Off");
        QVERIFY(!f.main->alarmArmed);
        QVERIFY(readBytes(f.t.path("Tarn.log"))
                    .contains(("  Alarm " + when + ", 'Tea'.\r\n").toUtf8()));
        f.tickAt(7, 5, 30);
        f.tickAt(7, 5, 59);
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.clock()->text(), "7:05");
    }

    void placeholderMessageSaysTheWordForAlarm() {
        Fixture f("[Alarm]\r\nStatus=On\r\nWhen=17:30\r\n");
        // The settings window filled its message box with the placeholder and stored it.
        QCOMPARE(GetINI("Alarm", "Mess", f.t.ini()), alarmclock::Placeholder);
        f.tickAt(17, 30, 40);
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown[0].prompt, "Wake!");
        QVERIFY(readBytes(f.t.path("Tarn.log")).contains("Alarm 17:30, 'Wake!'."));
    }

    void noAlarmWithTheClockOff() {
        Fixture f("[Options]\r\nShowTime=No\r\n[Alarm]\r\nStatus=On\r\nWhen=7:05\r\n");
        QCOMPARE(f.main->clockSwitch, "No");
        f.tickAt(7, 5);
        QVERIFY(f.boxes.shown.isEmpty());
        QCOMPARE(f.clock()->text(), QString());
        auto* timer3 = f.main->findChild<QTimer*>("Timer3");
        QVERIFY(!timer3->isActive());
        QCOMPARE(timer3->interval(), 1800);
        QCOMPARE(GetINI("Alarm", "Status", f.t.ini()), "On");
    }
};

QTEST_MAIN(ClockTest)
#include "tst_clock.moc"
