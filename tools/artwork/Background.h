#pragma once
// The window's background: a felt table in a dark wooden frame, with the title bar, the
// top-10 list, the dice board, the scoreboard, the counters and the message display laid
// into it at the places of the controls that sit on top.
#include <QImage>
#include <QPainter>

namespace scene {

// The window's 800 x 600 logical pixels, painted at `scale` 1 or 2 (see paint::scaledImage).
QImage paint(int scale = 1);

// The pieces, in the order they are laid down (Background.cpp, Panels.cpp, Emblems.cpp). The
// ones that paint with a QPainter paint at its device's scale.
QImage felt(QSize size, int scale = 1);
// Felt lit by a lamp over `lamp`, falling off towards the edges of a picture of `size`.
QImage felt(QSize size, QPointF lamp, int scale = 1);
void frame(QPainter& p);
// A wooden frame `width` wide around a picture of `size`, its inner edge rounded and gilt.
void frame(QPainter& p, QSize size, int width, double radius);
void titleBar(QPainter& p);
void diceBoard(QPainter& p, const QImage& felt);
void topList(QPainter& p);
void scoreboard(QPainter& p);
void counters(QPainter& p);
void messageStrip(QPainter& p);
void footer(QPainter& p);
void tablePrint(QPainter& p);

// A small die rendered for the logo and the emblems, on a transparent ground: `size` logical
// pixels square at `scale`.
QImage smallDie(int size, int top, double yaw, int scale = 1);

} // namespace scene
