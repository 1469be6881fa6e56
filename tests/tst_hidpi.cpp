// The main window on a screen of pixel ratio 2 (CTest runs this program with QT_SCALE_FACTOR=2):
// every picture it shows is the 2x one, drawn at the device's resolution, in the same logical
// place as at 1x.
#include "TestSupport.h"
#include "ui/Layout.h"
#include "ui/Resources.h"

#include <QLabel>

class HiDpiTest : public QObject {
    Q_OBJECT
  private slots:
    void theWindowShowsThe2xPictures_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("picture");
        QTest::newRow("first die") << "Image1" << 13;
        QTest::newRow("last die") << "Image6" << 66;
        QTest::newRow("sound") << "SoundPic" << int(resources::SoundOn);
        QTest::newRow("error") << "ErrorPic" << int(resources::ErrorIcon);
    }
    void theWindowShowsThe2xPictures() {
        QFETCH(QString, label);
        QFETCH(int, picture);
        TestGame g;
        QCOMPARE(g.main->devicePixelRatioF(), 2.0);
        g.roll({3, 1, 4, 1, 5, 6});
        const QPixmap shown = g.find<QLabel>(label)->pixmap();
        const QPixmap wanted =
            picture < 67 ? resources::bitmap(picture, 2) : resources::iconPixmap(picture, 2);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.toImage(), wanted.toImage());
        QCOMPARE(g.find(QStringLiteral("lb_User"))->cursor().pixmap().devicePixelRatio(), 2.0);
    }

    // What reaches the screen: the window's 800 x 600 in twice the pixels, the die's face pixel
    // for pixel where its control lies, and the background there in device pixels around it.
    void theWindowPaintsAtDeviceResolution() {
        TestGame g;
        g.roll({2, 2, 2, 2, 2, 2});
        const QImage shot = g.main->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(1600, 1200));
        const QRect die = layout::Dice[2].px();
        const QRect device(die.topLeft() * 2, die.size() * 2);
        QCOMPARE(shot.copy(device),
                 resources::bitmap(32, 2).toImage().convertToFormat(shot.format()));
        const QImage bg = resources::background(2).toImage().convertToFormat(shot.format());
        const QRect title(QPoint(4, 4) * 2, QSize(20, 10) * 2); // the logo's plate, no text
        QCOMPARE(shot.copy(title), bg.copy(title));
    }

    // Moved to another screen, the window sets its pictures again for the ratio there (here
    // still 2: what it held before, 1x, is what a screen of ratio 1 had given it).
    void aScreenChangeSetsThePicturesAgain() {
        TestGame g;
        g.roll({4, 4, 4, 4, 4, 4});
        auto* die = g.find<QLabel>(QStringLiteral("Image4"));
        auto* error = g.find<QLabel>(QStringLiteral("ErrorPic"));
        die->setPixmap(resources::bitmap(44, 1));
        error->setPixmap(resources::iconPixmap(resources::ErrorIcon, 1));
        QEvent moved(QEvent::ScreenChangeInternal);
        QCoreApplication::sendEvent(g.main, &moved);
        QCOMPARE(die->pixmap().toImage(), resources::bitmap(44, 2).toImage());
        QCOMPARE(error->pixmap().devicePixelRatio(), 2.0);
        // Dice not yet thrown stay empty.
        TestGame fresh;
        QCoreApplication::sendEvent(fresh.main, &moved);
        QVERIFY(fresh.find<QLabel>(QStringLiteral("Image1"))->pixmap().isNull());
    }
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
