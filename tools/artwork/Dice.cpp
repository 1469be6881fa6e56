#include "Dice.h"

#include "DieRenderer.h"
#include "ui/Layout.h"

#include <algorithm>
#include <array>

namespace dice {
namespace {
// Each place lies at its own turn, and the viewer in the middle of the row sees the outer
// dice a little from the side, so the row looks thrown rather than set out.
const std::array<die::View, 6> Views{{
    {13, 57, 21, 0},
    {8, 60, -13, 0},
    {3, 55, 34, 0},
    {-3, 61, -24, 0},
    {-8, 57, 7, 0},
    {-13, 55, -32, 0},
}};

// Nor do the dice lie exactly in the middle of their places.
const std::array<QPointF, 6> Offsets{{{-2, 1}, {1, -2}, {0, 2}, {2, -1}, {-1, 0}, {1, 2}}};

constexpr double MaxDieHeight = 63; // pixels, leaving room for the shadow in 78

// One scale for every place, so that all six dice are the same size.
double commonScale() {
    double scale = 100;
    for (std::size_t i = 0; i < Views.size(); ++i) {
        const QRectF b = die::bounds(Views[i]);
        const int width = layout::Dice[i].px().width();
        scale = std::min({scale, MaxDieHeight / b.height(), (width - 12) / b.width()});
    }
    return scale;
}
} // namespace

QImage face(int place, int value, const QImage& background, int scale) {
    const QRect at = layout::Dice[std::size_t(place - 1)].px();
    die::View view = Views[std::size_t(place - 1)];
    // Which side faces the viewer changes from face to face, as it would in a real throw.
    view.spin = (place * 5 + value * 3) % 4;
    const double size = commonScale();
    const QRectF b = die::bounds(view);
    // The light comes from the upper left, so the shadow needs room to the lower right.
    const QPointF target =
        QPointF(at.width() / 2.0 - 3, at.height() / 2.0 - 4) + Offsets[std::size_t(place - 1)];
    // Framed in logical pixels, traced in the device's.
    const die::Shot shot{size * scale, (target - b.center() * size) * scale};
    const QRect under(at.topLeft() * scale, at.size() * scale);
    QImage out = die::onTable(value, view, shot,
                              background.copy(under).convertToFormat(QImage::Format_RGB32))
                     .convertToFormat(QImage::Format_RGB888);
    out.setDevicePixelRatio(scale);
    return out;
}
} // namespace dice
