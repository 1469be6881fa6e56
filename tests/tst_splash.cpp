// The splash window: its controls, what load() starts, the tick that hands over to the main
// window, and its picture; and the program's start with and without it.
#include "TestProgram.h"
#include "app/Startup.h"
#include "app/Wiring.h"
#include "core/Profile.h"
#include "ui/Layout.h"
#include "ui/Resources.h"
#include "windows/main/MainWindow.h"
#include "windows/settings/SettingsWindow.h"
#include "windows/splash/SplashWindow.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class SplashTest : public QObject {
    Q_OBJECT
    struct Controls {
        QLabel* version;
        QLabel* info;
        QTimer* timer;
    };
    static Controls controls(const Splash& s) {
        return {s.findChild<QLabel*>(QStringLiteral("lbl_Version")),
                s.findChild<QLabel*>(QStringLiteral("sInfo")),
                s.findChild<QTimer*>(QStringLiteral("sTimer2"))};
    }

  private slots:
    void controlsAsDesigned() {
        Splash s;
        const Controls c = controls(s);
        QVERIFY(c.version && c.info && c.timer);
        QCOMPARE(s.objectName(), QStringLiteral("Splash"));
        QCOMPARE(s.windowFlags(), Qt::Window | Qt::FramelessWindowHint);
        QCOMPARE(s.size(), QSize(480, 300));
        QCOMPARE(s.minimumSize(), s.maximumSize());
        QCOMPARE(s.windowTitle(), QStringLiteral("Tarnwick 2000"));
        QVERIFY(!s.windowIcon().isNull());
        QCOMPARE(c.version->text(), QStringLiteral("0.000"));
        QVERIFY(c.version->font().families().contains(QStringLiteral("Verdana")));
        QVERIFY(c.info->text().isEmpty());
        QCOMPARE(c.timer->interval(), 2000);
        QVERIFY(c.timer->isSingleShot());
        QVERIFY(!c.timer->isActive());
    }

    void loadShowsTheVersionAndStartsTheTimer() {
        Splash s;
        const Controls c = controls(s);
        QVERIFY(s.load(true));
        QCOMPARE(c.version->text(), QStringLiteral("7.02"));
        QVERIFY(c.timer->isActive());
        QCOMPARE(c.timer->interval(), 2000);
        QVERIFY(c.timer->isSingleShot());
    }

    void loadWithoutShowStartsNothing() {
        Splash s;
        QSignalSpy up(&s, &Splash::timeUp);
        QVERIFY(!s.load(false));
        QCOMPARE(controls(s).version->text(), QStringLiteral("0.000"));
        QVERIFY(!controls(s).timer->isActive());
        QTest::qWait(20);
        QCOMPARE(up.count(), 0);
    }

    void theTickSaysTimeUpOnce() {
        Splash s;
        QSignalSpy up(&s, &Splash::timeUp);
        QVERIFY(s.load(true));
        controls(s).timer->setInterval(5); // restarts it: no need to wait two seconds
        QTRY_COMPARE(up.count(), 1);
        QTest::qWait(30);
        QCOMPARE(up.count(), 1);
    }

    void pictureFitsAndKeepsTheVersionReadable() {
        const QImage picture = resources::splash().toImage();
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(480, 300));
        // The version's gold text stands on a dark plate.
        const QRect plate = layout::splash::lbl_Version.px();
        long sum = 0;
        for (int y = plate.top(); y <= plate.bottom(); ++y)
            for (int x = plate.left(); x <= plate.right(); ++x)
                sum += qGray(picture.pixel(x, y));
        QVERIFY(sum / (plate.width() * plate.height()) < 30);
        // The window shows it.
        Splash s;
        QCOMPARE(s.grab().toImage().pixel(240, 40), picture.pixel(240, 40));
    }

    // On a screen of a higher ratio the window paints the 2x picture, not the 1x one enlarged.
    void windowPaintsThePictureForItsRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << qreal(1);
        QTest::newRow("2") << qreal(2);
    }
    void windowPaintsThePictureForItsRatio() {
        QFETCH(qreal, ratio);
        Splash s;
        QImage shown(s.size() * ratio, QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        s.render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const QImage picture = resources::splash(ratio).toImage().convertToFormat(shown.format());
        QCOMPARE(picture.size(), shown.size());
        // The crest and the title, where no label lies.
        const QRect top(QPoint(40, 20) * ratio, QPoint(440, 150) * ratio);
        QCOMPARE(shown.copy(top), picture.copy(top));
    }

    void startShowsTheSplashUnlessSwitchedOff_data() {
        QTest::addColumn<QString>("showSplash"); // "-" for no key at all
        QTest::addColumn<bool>("splash");
        QTest::newRow("No") << "No" << false;
        QTest::newRow("missing") << "-" << true;
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("no") << "no" << true; // only exactly "No" switches it off
    }
    void startShowsTheSplashUnlessSwitchedOff() {
        QFETCH(QString, showSplash);
        QFETCH(bool, splash);
        TestProgram t;
        t.useLanguage({"s24=Kasta"});
        if (showSplash != "-") SetINI("Options", "ShowSplash", showSplash, t.ini());
        Startup start(*t.program);
        start.begin();
        if (!splash) {
            QVERIFY(!start.splash());
            QVERIFY(start.windows() && start.windows()->main().isVisible());
            // The hidden settings window waits for the first frame; the language did not.
            QVERIFY(!start.windows()->settings());
            QCOMPARE(start.windows()->main().findChild<QLabel*>("lbl_Roll")->text(), "Kasta");
            QTRY_VERIFY(start.windows()->settings());
            QVERIFY(start.windows()->settings()->isHidden());
            QCOMPARE(GetINI("Options", "WarnExit", t.ini()), "Yes"); // its load has run
            return;
        }
        // Centred on the work area, with nothing of the main window made yet.
        QVERIFY(start.splash() && start.splash()->isVisible());
        QCOMPARE(start.splash()->geometry(), QRect(272, 220, 480, 300));
        QVERIFY(!start.windows());
        QPointer<Splash> shown = start.splash();
        shown->findChild<QTimer*>(QStringLiteral("sTimer2"))->setInterval(5);
        QTRY_VERIFY(start.windows());
        QVERIFY(start.windows()->main().isVisible());
        QTRY_VERIFY(!shown); // closed and gone once the main window is up
        QVERIFY(!start.splash());
    }
};

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
