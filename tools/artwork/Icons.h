#pragma once
// The program's icons (32 x 32 with alpha): 67 sound on, 68 sound off, 69 the alarm clock,
// 70 a user, 71 the settings gear, 72 the error sign, 73 the window's die; and cursor 74, a
// pointing hand whose fingertip is at (width / 3, 0).
#include <QImage>
#include <QPainterPath>

namespace icons {
inline constexpr int Size = 32;
QImage icon(int id);
QImage pointingHand();
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
