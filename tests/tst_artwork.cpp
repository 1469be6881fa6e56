// The generated pictures: every resource the game asks for is built in with the size the
// window's places need, and the dice faces really show their values.
#include "ui/DotMatrixDisplay.h"
#include "ui/Layout.h"
#include "ui/Resources.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {
// The pips on a die's top: dark spots ringed by the brightest ivory. Pips on the shaded sides
// are ringed by darker ivory and do not count.
int pipsOnTop(const QImage& face) {
    const int w = face.width(), h = face.height();
    // Ink is dark and grey; the felt, even in shadow, is green.
    auto ink = [&](QPoint p) {
        const QColor c = face.pixelColor(p);
        return c.value() < 90 && c.green() - c.red() < 20;
    };
    std::vector<char> seen(std::size_t(w * h), 0);
    auto visit = [&](QPoint p) {
        return !std::exchange(seen[std::size_t(p.y() * w + p.x())], char(1));
    };
    int pips = 0;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (!ink({x0, y0}) || !visit({x0, y0})) continue;
            // Flood the spot, summing the brightness of the pixels around it.
            std::vector<QPoint> todo{{x0, y0}};
            long rim = 0;
            int rimCount = 0, size = 0;
            for (; !todo.empty(); ++size) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (QPoint q :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (!face.rect().contains(q)) continue;
                    if (!ink(q)) {
                        rim += qGray(face.pixel(q));
                        ++rimCount;
                    } else if (visit(q)) {
                        todo.push_back(q);
                    }
                }
            }
            if (size >= 4 && rimCount > 0 && rim / rimCount > 140) ++pips;
        }
    return pips;
}

double luminance(const QColor& c) {
    auto lin = [](double v) {
        v /= 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
}

// The contrast of text against the artwork under a label, as the ratio of luminances that
// accessibility guidelines use (1 to 21); the artwork's brightest tenth counts, so that a
// light streak behind the words is not averaged away.
double contrast(const QImage& bg, QRect under, const QColor& text) {
    // Text is centred on its label: the band where the letters stand is what counts.
    if (under.height() > 11) under = QRect(under.left(), under.center().y() - 5, under.width(), 11);
    std::vector<double> lum;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x)
            lum.push_back(luminance(bg.pixelColor(x, y)));
    std::sort(lum.begin(), lum.end());
    const double ground = lum[lum.size() * 9 / 10];
    return (luminance(text) + 0.05) / (ground + 0.05);
}
} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT
  private slots:
    // Each face covers its control exactly, so no gap shows around a die; its corners are
    // table, matching the background under the place; and it shows its value on top.
    void diceFaces() {
        const QImage bg = resources::background().toImage();
        for (int die = 1; die <= 6; ++die) {
            const QRect at = layout::Dice[std::size_t(die - 1)].px();
            for (int value = 1; value <= 6; ++value) {
                const QPixmap p = resources::bitmap(10 * die + value);
                QVERIFY2(!p.isNull(), qPrintable(QString::number(10 * die + value)));
                QCOMPARE(p.size(), at.size());
                QVERIFY(!p.hasAlphaChannel());
                const QImage face = p.toImage();
                QCOMPARE(pipsOnTop(face), value);
                for (QPoint corner :
                     {QPoint(0, 0), QPoint(at.width() - 1, 0), QPoint(0, at.height() - 1)}) {
                    const QColor a = face.pixelColor(corner);
                    const QColor b = bg.pixelColor(at.topLeft() + corner);
                    QVERIFY(qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 &&
                            qAbs(a.blue() - b.blue()) <= 2);
                }
            }
        }
        for (int id : {10, 17, 70})
            QVERIFY(resources::bitmap(id).isNull());
    }

    void labelTextReadsOnTheArtwork_data() {
        QTest::addColumn<QRect>("at");
        QTest::addColumn<QColor>("text");
        const QColor white(255, 255, 255), grey(128, 128, 128), gold(255, 230, 0),
            lightRed(255, 128, 128);
        using namespace layout;
        QTest::newRow("Titellist") << QRect(320, 4, 160, 18) << white;
        QTest::newRow("Minimera") << Minimera.px() << white;
        QTest::newRow("Avsluta") << Avsluta.px() << white;
        QTest::newRow("lblSett") << lblSett.px() << white;
        QTest::newRow("ShowTime") << ShowTime.px() << white;
        QTest::newRow("lb_User") << lb_User.px() << white;
        QTest::newRow("NyttSpel") << NyttSpel.px() << white;
        QTest::newRow("Undo") << Undo.px() << white;
        QTest::newRow("lbl_Roll") << lbl_Roll.px() << white;
        QTest::newRow("Rolls") << Rolls.px() << white;
        QTest::newRow("Mrolls") << Mrolls.px() << QColor(192, 192, 192);
        QTest::newRow("Homepage") << Homepage.px() << white;
        QTest::newRow("disp_Bonus") << disp_Bonus.px().adjusted(0, 0, -40, 0) << white;
        QTest::newRow("disp_Total") << disp_Total.px().adjusted(0, 0, -40, 0) << white;
        QTest::newRow("Bonus") << layout::Bonus.px() << lightRed;
        QTest::newRow("scr_Tot") << scr_Tot.px() << gold;
        for (int place = 1; place <= 10; ++place)
            QTest::addRow("Topp%02d", place) << topp(place).px() << white;
        for (int id = 1; id <= 20; ++id) {
            // The name's part of the row, left of the score column; grey marks a closed row.
            QRect name = category(id).px();
            name.setRight(score(id).px().left() - 4);
            QTest::addRow("category %d", id) << name << grey;
            QTest::addRow("score %d", id) << score(id).px() << white;
        }
    }
    void labelTextReadsOnTheArtwork() {
        QFETCH(QRect, at);
        QFETCH(QColor, text);
        const double ratio = contrast(resources::background().toImage(), at, text);
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio, 'f', 2)));
    }

    void scoreCellsAreSetOffFromTheirRows() {
        const QImage bg = resources::background().toImage();
        auto mean = [&](const QRect& r) {
            double sum = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    sum += luminance(bg.pixelColor(x, y));
            return sum / (r.width() * r.height());
        };
        for (int id = 1; id <= 20; ++id) {
            const QRect score = layout::score(id).px();
            const QRect cell = score.adjusted(2, 2, -2, -2);
            const QRect beside(score.left() - 30, score.top() + 2, 20, score.height() - 4);
            QVERIFY2(mean(cell) < mean(beside) * 0.8, qPrintable(QString::number(id)));
        }
    }

    void iconsAndCursorLoad() {
        for (int id = 67; id <= 73; ++id) {
            const QPixmap p = resources::iconPixmap(id);
            QVERIFY2(!p.isNull(), qPrintable(QString::number(id)));
            QCOMPARE(p.size(), QSize(32, 32));
            QVERIFY(p.hasAlphaChannel());
            QVERIFY(!resources::icon(id).isNull());
        }
        QVERIFY(resources::iconPixmap(resources::SoundOn).toImage() !=
                resources::iconPixmap(resources::SoundOff).toImage());
        const QCursor hand = resources::cursor(resources::PointingHand);
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.pixmap().size(), QSize(32, 32));
        // The hot spot is the fingertip: the hand is drawn there.
        const QImage img = hand.pixmap().toImage();
        QCOMPARE(hand.hotSpot(), QPoint(10, 0));
        QVERIFY(qAlpha(img.pixel(10, 1)) > 128);
        QVERIFY(qAlpha(img.pixel(3, 1)) == 0);
    }

    void backgroundFillsTheWindow() {
        const QPixmap bg = resources::background();
        QCOMPARE(bg.size(), QSize(800, 600));
        // The message display's strip is dark, so that its white dots read.
        const QImage img = bg.toImage();
        const QRect dots = DotMatrixDisplay::strip();
        long sum = 0;
        for (int y = dots.top(); y <= dots.bottom(); ++y)
            for (int x = dots.left(); x <= dots.right(); ++x)
                sum += qGray(img.pixel(x, y));
        QVERIFY(sum / (dots.width() * dots.height()) < 40);
    }
};

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
