#pragma once
// Renders one ivory die with rounded edges and sunk pips by tracing rays against its distance
// field: true perspective, soft light, a specular sheen and a soft shadow on the table.
#include <QImage>
#include <QPointF>
#include <QRectF>

namespace die {

// Where the viewer stands and how the die lies. Angles in degrees.
struct View {
    double azimuth = 0;    // the viewer's turn around the die; positive looks from its right
    double elevation = 55; // the viewer's height above the table
    double yaw = 0;        // the die's own turn on the table
    int spin = 0;          // quarter turns that choose which side faces the viewer
};

// Where the die lands in the picture: pixels per half edge, and where its centre projects.
struct Shot {
    double scale = 20;
    QPointF centre;
};

// The die's outline in the picture for a scale of 1 and its centre at (0, 0).
QRectF bounds(const View& view);

// The die showing `top` pips, lying on the table picture `table` (its result has the same
// size and device pixel ratio): the table shows around it, darkened where the die shades it.
QImage onTable(int top, const View& view, const Shot& shot, const QImage& table);

// The die alone on a transparent ground, without shadow.
QImage alone(int top, const View& view, const Shot& shot, QSize size);

} // namespace die
