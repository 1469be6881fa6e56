#include "ui/DotMatrixDisplay.h"

#include "ui/Resources.h"
#include "ui/Twips.h"

#include <QPainter>

#include <cmath>
#include <vector>

using namespace dotmatrix;

namespace {

constexpr qreal px(int twips) {
    return qreal(twips) / twips::PerPixel;
}

// Dot places in widget pixels, worked out once from the twips numbers.
const std::array<QRectF, DotCount>& dotRects() {
    static const std::array<QRectF, DotCount> rects = [] {
        std::array<QRectF, DotCount> r{};
        using D = DotMatrixDisplay;
        for (int c = 0; c < Cells; ++c)
            for (int x = 0; x < Columns; ++x)
                for (int y = 0; y < Rows; ++y)
                    r[dotIndex(c, x, y)] =
                        QRectF(px(D::CellStep * c + D::ColumnStep * x), px(D::RowStep * y),
                               px(D::DotSize), px(D::DotSize));
        return r;
    }();
    return rects;
}

} // namespace

DotMatrixDisplay::DotMatrixDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Digit"));
    // The dots are decoration: clicks go to the window beneath (its pop-up menu).
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(strip());
}

QRect DotMatrixDisplay::strip() {
    return twips::rect(Left, Top, Right - Left, Bottom - Top);
}

QRectF DotMatrixDisplay::dotRect(int index) {
    return index >= 0 && index < DotCount ? dotRects()[index] : QRectF();
}

void DotMatrixDisplay::setDots(const DotStates& lit) {
    lit_ = lit;
    update();
}

// One antialiased white dot, drawn once per pixel ratio and stamped for every lit dot: far
// cheaper than rasterising up to 455 ellipses on each paint.
const QPixmap& DotMatrixDisplay::sprite(qreal devicePixelRatio) {
    if (sprite_.isNull() || sprite_.devicePixelRatio() != devicePixelRatio) {
        const qreal size = px(DotSize);
        const int side = int(std::ceil(size * devicePixelRatio));
        QPixmap p(side, side);
        p.setDevicePixelRatio(devicePixelRatio);
        p.fill(Qt::transparent);
        QPainter painter(&p);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawEllipse(QRectF(0, 0, size, size));
        painter.end();
        sprite_ = p;
    }
    return sprite_;
}

void DotMatrixDisplay::paintEvent(QPaintEvent*) {
    if (lit_.none()) return;
    QPainter painter(this);
    const QPixmap& dot = sprite(resources::targetRatio(painter));
    const QRectF source(QPointF(0, 0), QSizeF(dot.size()));
    const qreal scale = 1.0 / dot.devicePixelRatio(); // fragments measure the source in pixels

    std::vector<QPainter::PixmapFragment> fragments;
    fragments.reserve(lit_.count());
    const auto& rects = dotRects();
    for (int i = 0; i < DotCount; ++i) {
        if (!lit_.test(i)) continue;
        const QPointF centre = rects[i].center();
        fragments.push_back(QPainter::PixmapFragment::create(centre, source, scale, scale));
    }
    painter.drawPixmapFragments(fragments.data(), int(fragments.size()), dot);
}
