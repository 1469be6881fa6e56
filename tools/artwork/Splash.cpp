#include "Splash.h"

#include "Background.h"
#include "DieRenderer.h"
#include "Icons.h"
#include "Paint.h"
#include "Palette.h"
#include "ui/Layout.h"

#include <array>

namespace splash {
namespace {
constexpr int FrameWidth = 8;

QRectF grown(const QRect& r, double by) {
    return QRectF(r).adjusted(-by, -by, by, by);
}

// Text as a shape centred on a point, for engraving.
QPainterPath lettering(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(centre - path.boundingRect().center());
}

QFont serif(int pixels, double spacing) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

// The frame is the window's only edge: the wood gets a dark outer line and a lit bevel.
void frame(QPainter& p, QSize size) {
    scene::frame(p, size, FrameWidth, 8);
    const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 225, 180, 46), 1));
    p.drawRect(outer.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(QColor(8, 4, 2), 1));
    p.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

// The window's die on a sunk medallion ringed in gold, between two gold rules.
void crest(QPainter& p, QPointF c) {
    const double r = 21;
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    for (double side : {-1.0, 1.0}) {
        const double from = c.x() + side * (r + 8), to = c.x() + side * 168;
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.drawLine(QPointF(from, c.y() + 1.5), QPointF(to, c.y() + 1.5));
        p.setPen(QPen(palette::Gold, 1));
        p.drawLine(QPointF(from, c.y() + 0.5), QPointF(to, c.y() + 0.5));
        QPainterPath pip;
        pip.addEllipse(QPointF(to + side * 5, c.y() + 0.5), 2.3, 2.3);
        glyph::fillGold(p, pip);
    }
    paint::dropShadow(p, paint::rounded(disc, r), QPointF(1, 3), 6, 200);
    paint::sunkPlate(p, disc, r, QColor(6, 22, 14), palette::GoldDeep);
    paint::goldFrame(p, paint::rounded(disc.adjusted(-3.5, -3.5, 3.5, 3.5), r + 3.5));
    const QImage die = icons::icon(73, paint::scaleOf(p));
    // Placed by its logical size, whatever the scale.
    const QSizeF dieSize = die.deviceIndependentSize();
    p.drawImage(c - QPointF(dieSize.width() / 2.0, dieSize.height() / 2.0 + 1), die);
}

// "TARNWICK" and, under it, "2000" between gold rules, engraved in gold.
void title(QPainter& p, QPointF c) {
    const QPainterPath name = lettering(QStringLiteral("TARNWICK"), serif(46, 5), c);
    paint::dropShadow(p, name, QPointF(1, 4), 7, 210);
    glyph::fillGold(p, name);
    const QPointF under(c.x(), name.boundingRect().bottom() + 17);
    const QPainterPath year = lettering(QStringLiteral("2000"), serif(17, 9), under);
    paint::dropShadow(p, year, QPointF(1, 2), 4, 190);
    glyph::fillGold(p, year);
    const double half = year.boundingRect().width() / 2 + 14;
    for (double side : {-1.0, 1.0}) {
        QPainterPath rule;
        rule.addRect(QRectF(QPointF(c.x() + side * half, under.y() - 0.6),
                            QPointF(c.x() + side * (half + 70), under.y() + 0.6)));
        glyph::fillGold(p, rule);
    }
}

// A die as thrown: which side is up, how it lies, where it lands and how tall it shows.
struct Throw {
    int top;
    die::View view;
    QPointF centre;
    double height;
};

const std::array<Throw, 3> Throws{{
    {5, {14, 56, 28, 1}, {176, 214}, 56},
    {3, {0, 60, -12, 2}, {244, 226}, 62},
    {6, {-14, 55, 41, 3}, {314, 212}, 56},
}};

// Each die is traced onto the felt under it, with its shadow falling to the lower right.
void dice(QImage& img, int scale) {
    for (const Throw& t : Throws) {
        const QRectF b = die::bounds(t.view);
        const double size = t.height / b.height();
        const QRect tile = QRectF(t.centre - QPointF(t.height * 0.75, t.height * 0.72),
                                  QSizeF(t.height * 1.6, t.height * 1.55))
                               .toAlignedRect();
        const die::Shot shot{size * scale, (t.centre - tile.topLeft() - b.center() * size) * scale};
        const QImage table = img.copy(QRect(tile.topLeft() * scale, tile.size() * scale))
                                 .convertToFormat(QImage::Format_RGB32);
        QPainter p(&img);
        p.drawImage(tile.topLeft(), die::onTable(t.top, t.view, shot, table));
    }
}

// The version's window: a dark glass in a bronze bezel, like the roll counters' on the table.
void versionPlate(QPainter& p) {
    const QRectF glass = grown(layout::splash::lbl_Version.px(), 1);
    const QRectF bezel = glass.adjusted(-3, -3, 3, 3);
    paint::dropShadow(p, paint::rounded(bezel, 6), QPointF(1, 3), 5, 160);
    paint::raisedPlate(p, bezel, 6, QColor(70, 48, 24), QColor(28, 16, 8), palette::GoldDeep);
    paint::sunkPlate(p, glass, 4, QColor(4, 8, 6));
}
} // namespace

QImage paint(int scale) {
    const QSize size(twips::px(layout::splash::Width), twips::px(layout::splash::Height));
    QImage img = scene::felt(size, QPointF(size.width() / 2.0, size.height() * 0.42), scale);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        frame(p, size);
        crest(p, QPointF(size.width() / 2.0, 44));
        title(p, QPointF(size.width() / 2.0, 104));
        versionPlate(p);
    }
    dice(img, scale);
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace splash
