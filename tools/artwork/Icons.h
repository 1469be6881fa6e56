#pragma once
// The program's icons (32 x 32 with alpha): 67 sound on, 68 sound off, 69 the alarm clock,
// 70 a user, 71 the settings gear, 72 the error sign, 73 the window's die; and cursor 74, a
// pointing hand whose fingertip is at (width / 3, 0). Each is painted at `scale` 1 or 2: at 2
// the picture has 64 x 64 pixels and a device pixel ratio of 2.
#include <QImage>
#include <QPainterPath>

namespace icons {
inline constexpr int Size = 32;
QImage icon(int id, int scale = 1);
QImage pointingHand(int scale = 1);
} // namespace icons

// Shapes shared by the icons and the background's small marks.
namespace glyph {
QPainterPath trophy(const QRectF& box);
QPainterPath person(const QRectF& box);
QPainterPath gear(QPointF centre, double radius, int teeth);
QPainterPath speaker(const QRectF& box);
// Fills a shape in engraved gold: a dark drop under a bright gradient.
void fillGold(QPainter& p, const QPainterPath& shape, double opacity = 1.0);
} // namespace glyph
