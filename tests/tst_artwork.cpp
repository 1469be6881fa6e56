// The generated pictures: every resource the game asks for is built in with the size the
// window's places need, and the dice faces really show their values.
#include "ui/DotMatrixDisplay.h"
#include "ui/Layout.h"
#include "ui/Resources.h"

#include <QIcon>
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

// The pictures that come in two variants, by kind and resource number.
enum class Kind { Background, Splash, Bitmap, Icon, Cursor };

QPixmap load(Kind kind, int id, qreal ratio) {
    switch (kind) {
    case Kind::Background:
        return resources::background(ratio);
    case Kind::Splash:
        return resources::splash(ratio);
    case Kind::Bitmap:
        return resources::bitmap(id, ratio);
    case Kind::Icon:
        return resources::iconPixmap(id, ratio);
    case Kind::Cursor:
        return resources::cursor(id, ratio).pixmap();
    }
    return {};
}

void addPictureRows() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("id");
    QTest::newRow("background") << Kind::Background << 0;
    QTest::newRow("splash") << Kind::Splash << 0;
    for (int id : {11, 36, 62, 66})
        QTest::addRow("bitmap %d", id) << Kind::Bitmap << id;
    for (int id = 67; id <= 73; ++id)
        QTest::addRow("icon %d", id) << Kind::Icon << id;
    QTest::newRow("cursor") << Kind::Cursor << int(resources::PointingHand);
}

// How sharp the edges of a picture are: the mean square of the steps between neighbouring
// pixels, in each colour and in cover. An edge spread over more pixels takes smaller steps, and
// squares weigh those less, so a smoothly enlarged picture scores well below one painted at its
// size. The steps are summed apart inside the 2 x 2 blocks of pixels (one logical pixel at 2x)
// and across their borders: a picture enlarged by repeating pixels steps only across them, one
// enlarged smoothly takes small steps inside.
struct Steps {
    double inside = 0, across = 0;
    double energy() const { return inside + across; }
};
Steps edgeSteps(const QImage& image) {
    using Channel = int (*)(QRgb);
    static const Channel channels[] = {qRed, qGreen, qBlue, qAlpha};
    const QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Steps steps;
    const double pixels = double(img.width()) * img.height();
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x) {
            const QRgb c = img.pixel(x, y), right = img.pixel(x + 1, y), down = img.pixel(x, y + 1);
            for (Channel channel : channels) {
                const double h = channel(c) - channel(right), v = channel(c) - channel(down);
                (x % 2 == 0 ? steps.inside : steps.across) += h * h / pixels;
                (y % 2 == 0 ? steps.inside : steps.across) += v * v / pixels;
            }
        }
    return steps;
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
Q_DECLARE_METATYPE(Kind)

class ArtworkTest : public QObject {
    Q_OBJECT
  private slots:
    // Each face covers its control exactly, so no gap shows around a die; its corners are
    // table, matching the background under the place; and it shows its value on top. At 2x
    // all of this holds in device pixels against the 2x background.
    void diceFaces_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("2x") << qreal(2);
    }
    void diceFaces() {
        QFETCH(qreal, ratio);
        const QImage bg = resources::background(ratio).toImage();
        const int scale = resources::pictureScale(ratio);
        for (int die = 1; die <= 6; ++die) {
            const QRect at = layout::Dice[std::size_t(die - 1)].px();
            const QRect under(at.topLeft() * scale, at.size() * scale);
            for (int value = 1; value <= 6; ++value) {
                const QPixmap p = resources::bitmap(10 * die + value, ratio);
                QVERIFY2(!p.isNull(), qPrintable(QString::number(10 * die + value)));
                QCOMPARE(p.size(), under.size());
                QVERIFY(!p.hasAlphaChannel());
                const QImage face = p.toImage();
                QCOMPARE(pipsOnTop(face), value);
                for (QPoint corner :
                     {QPoint(0, 0), QPoint(under.width() - 1, 0), QPoint(0, under.height() - 1)}) {
                    const QColor a = face.pixelColor(corner);
                    const QColor b = bg.pixelColor(under.topLeft() + corner);
                    QVERIFY(qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 &&
                            qAbs(a.blue() - b.blue()) <= 2);
                }
            }
        }
        for (int id : {10, 17, 70})
            QVERIFY(resources::bitmap(id, ratio).isNull());
    }

    // Both variants cover the same logical size; the 2x one has twice the pixels each way and
    // says so in its device pixel ratio, so Qt draws it in the same place.
    void variantsShareTheLogicalSize_data() { addPictureRows(); }
    void variantsShareTheLogicalSize() {
        QFETCH(Kind, kind);
        QFETCH(int, id);
        const QPixmap single = load(kind, id, 1), dense = load(kind, id, 2);
        QVERIFY(!single.isNull() && !dense.isNull());
        QCOMPARE(single.devicePixelRatio(), 1.0);
        QCOMPARE(dense.devicePixelRatio(), 2.0);
        QCOMPARE(dense.size(), single.size() * 2);
        QCOMPARE(dense.deviceIndependentSize(), single.deviceIndependentSize());
        QCOMPARE(dense.hasAlphaChannel(), single.hasAlphaChannel());
    }

    // The 2x picture is painted again, not enlarged: its edges are much sharper than the 1x
    // one's enlarged smoothly, and it has detail inside each logical pixel, where one enlarged
    // by repeating pixels has none; yet it shows the same picture (close to the 1x one when
    // shrunk again).
    void denseVariantIsSharper_data() { addPictureRows(); }
    void denseVariantIsSharper() {
        QFETCH(Kind, kind);
        QFETCH(int, id);
        const QImage single = load(kind, id, 1).toImage();
        const QImage dense = load(kind, id, 2).toImage().convertToFormat(single.format());
        const QSize size = dense.size();
        const QImage repeated = single.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage smooth = single.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(dense != repeated && dense != smooth);
        const Steps sharp = edgeSteps(dense), enlarged = edgeSteps(smooth);
        QVERIFY2(
            sharp.energy() > 1.8 * enlarged.energy(),
            qPrintable(QStringLiteral("%1 against %2").arg(sharp.energy()).arg(enlarged.energy())));
        QCOMPARE(edgeSteps(repeated).inside, 0.0);
        QVERIFY2(
            sharp.inside > 1.5 * enlarged.inside,
            qPrintable(QStringLiteral("%1 against %2").arg(sharp.inside).arg(enlarged.inside)));
        // Shrunk back, the 2x is the 1x picture give or take the finer detail.
        const QImage shrunk =
            dense.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage base = single.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        double difference = 0;
        for (int y = 0; y < base.height(); ++y)
            for (int x = 0; x < base.width(); ++x)
                difference += std::abs(qGray(shrunk.pixel(x, y)) - qGray(base.pixel(x, y)));
        difference /= base.width() * base.height();
        QVERIFY2(difference < 12, qPrintable(QString::number(difference)));
    }

    // Any ratio above 1 gets the 2x picture (Qt shrinks it for ratios between); up to 1 the
    // 1x one, as do ratios that are no ratio at all.
    void pictureFollowsTheRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("0 (no screen)") << qreal(0) << 1;
        QTest::newRow("0.75") << qreal(0.75) << 1;
        QTest::newRow("1") << qreal(1) << 1;
        QTest::newRow("1.01") << qreal(1.01) << 2;
        QTest::newRow("1.25") << qreal(1.25) << 2;
        QTest::newRow("1.5") << qreal(1.5) << 2;
        QTest::newRow("2") << qreal(2) << 2;
        QTest::newRow("3") << qreal(3) << 2;
    }
    void pictureFollowsTheRatio() {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        QCOMPARE(resources::pictureScale(ratio), scale);
        for (const QPixmap& p :
             {resources::background(ratio), resources::splash(ratio), resources::bitmap(35, ratio),
              resources::iconPixmap(resources::SoundOn, ratio),
              resources::cursor(resources::PointingHand, ratio).pixmap()})
            QCOMPARE(p.devicePixelRatio(), qreal(scale));
        // A window icon offers the 2x picture beside the 1x one only where it is wanted.
        const QIcon icon = resources::icon(resources::WindowIcon, ratio);
        QCOMPARE(icon.pixmap(QSize(32, 32), 2.0).size(), QSize(32, 32) * scale);
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32));
    }

    // A widget's picture is loaded at its first paint and again only when the ratio calls for
    // the other variant, not on every paint nor on every change of ratio.
    void pictureReloadsOnlyForTheOtherVariant_data() {
        QTest::addColumn<QList<qreal>>("ratios");
        QTest::addColumn<int>("loads");
        QTest::newRow("one screen") << QList<qreal>{1, 1, 1} << 1;
        QTest::newRow("dense screen") << QList<qreal>{2, 2} << 1;
        QTest::newRow("1.5 then 2: same variant") << QList<qreal>{1.5, 2, 1.25} << 1;
        QTest::newRow("there and back") << QList<qreal>{1, 2, 1, 2} << 4;
        QTest::newRow("below 1 is 1x") << QList<qreal>{1, 0.5, 1} << 1;
    }
    void pictureReloadsOnlyForTheOtherVariant() {
        QFETCH(QList<qreal>, ratios);
        QFETCH(int, loads);
        int loaded = 0;
        resources::Picture picture([&](qreal ratio) {
            ++loaded;
            return resources::iconPixmap(resources::UserIcon, ratio);
        });
        for (qreal ratio : ratios)
            QCOMPARE(picture.forRatio(ratio).devicePixelRatio(),
                     qreal(resources::pictureScale(ratio)));
        QCOMPARE(loaded, loads);
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
        // At 2x the hot spot stays on the fingertip, counted in logical pixels.
        const QCursor dense = resources::cursor(resources::PointingHand, 2);
        QCOMPARE(dense.pixmap().size(), QSize(64, 64));
        QCOMPARE(dense.hotSpot(), QPoint(10, 0));
        const QImage big = dense.pixmap().toImage();
        QVERIFY(qAlpha(big.pixel(21, 2)) > 128);
        QVERIFY(qAlpha(big.pixel(7, 2)) == 0);
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
