// The main window on a screen of pixel ratio 2 (CTest runs this program with QT_SCALE_FACTOR=2):
// every picture it shows is the 2x one, drawn at the device's resolution, in the same logical
// place as at 1x.
#include "TestSupport.h"
#include "ui/DotMatrixDisplay.h"
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

    // The message display's strip grabbed: twice the pixels, each lit dot round with
    // antialiased pixels at its rim, on the dark glass.
    void displayDotsAreRoundInDevicePixels() {
        TestGame g;
        auto* dots = g.main->findChild<DotMatrixDisplay*>();
        QVERIFY(dots);
        dots->setDots(dotmatrix::DotStates().set(0));
        const QImage shot = g.main->grab(DotMatrixDisplay::strip()).toImage();
        QCOMPARE(shot.size(), DotMatrixDisplay::strip().size() * 2);
        auto lit = [&](int x, int y) { return qGray(shot.pixel(x, y)); };
        const QRectF dot = DotMatrixDisplay::dotRect(0);
        const QPoint centre = (dot.center() * 2).toPoint();
        // White out to the radius (2.5 logical pixels, 5 device pixels) along the middle row,
        // then dark within a device pixel or two, as an enlarged 1x dot could not be; soft
        // pixels only around the rim, and the corner of the dot's square dark.
        int rim = centre.x(), dark = centre.x();
        while (lit(rim, centre.y()) >= 240)
            ++rim;
        while (lit(dark, centre.y()) >= 100)
            ++dark;
        QVERIFY2(rim - centre.x() >= 4 && dark - centre.x() <= 6,
                 qPrintable(QStringLiteral("%1 %2").arg(rim - centre.x()).arg(dark - centre.x())));
        const QRect square = QRectF(dot.topLeft() * 2, dot.size() * 2).toAlignedRect();
        int soft = 0;
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x)
                soft += lit(x, y) > 100 && lit(x, y) < 250;
        QVERIFY2(soft >= 8 && soft <= 40, qPrintable(QString::number(soft)));
        QVERIFY(lit(square.left(), square.top()) < 100);
    }
};

QTEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
