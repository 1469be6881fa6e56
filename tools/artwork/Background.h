#pragma once
// The window's background: a felt table in a dark wooden frame, with the title bar, the
// top-10 list, the dice board, the scoreboard, the counters and the message display laid
// into it at the places of the controls that sit on top.
#include <QImage>
#include <QPainter>

namespace scene {

QImage paint();

// The pieces, in the order they are laid down (Background.cpp, Panels.cpp, Emblems.cpp).
QImage felt(QSize size);
void frame(QPainter& p);
void titleBar(QPainter& p);
void diceBoard(QPainter& p, const QImage& felt);
void topList(QPainter& p);
void scoreboard(QPainter& p);
void counters(QPainter& p);
void messageStrip(QPainter& p);
void footer(QPainter& p);
void tablePrint(QPainter& p);

// A small die rendered for the logo and the emblems, on a transparent ground.
QImage smallDie(int size, int top, double yaw);

} // namespace scene
