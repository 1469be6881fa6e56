// Cursor 74: a white pointing hand with a black outline, readable on the felt and on light
// dialogs alike. The program puts the hot spot at (width / 3, 0): the index fingertip.
#include "Icons.h"
#include "Paint.h"

#include <QPainter>

namespace icons {
namespace {
QPainterPath capsule(QPointF from, QPointF to, double width) {
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}
} // namespace

QImage pointingHand(int scale) {
    const double tipX = Size / 3 + 0.5; // the fingertip's middle, on the hot spot's column
    return paint::supersampled(QSize(Size, Size), scale, [tipX](QPainter& p) {
        QPainterPath hand = capsule(QPointF(tipX, 3.0), QPointF(tipX, 16), 5.2);
        hand = hand.united(capsule(QPointF(tipX + 4.9, 10.5), QPointF(tipX + 4.9, 17), 4.8));
        hand = hand.united(capsule(QPointF(tipX + 9.4, 12), QPointF(tipX + 9.4, 17.5), 4.6));
        hand = hand.united(capsule(QPointF(tipX + 13.4, 14), QPointF(tipX + 13.4, 19), 4.2));
        hand = hand.united(capsule(QPointF(tipX - 6.5, 15.5), QPointF(tipX - 1.5, 21.5), 4.6));
        QPainterPath palm;
        palm.addRoundedRect(QRectF(tipX - 2.6, 14, 18.3, 12.5), 4.5, 4.5);
        hand = hand.united(palm).simplified();

        const QColor ink(0, 0, 0);
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(hand);
        // The gaps between the curled fingers.
        p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap));
        const double gaps[3][2] = {{2.45, 10.5}, {7.15, 12.0}, {11.4, 14.0}};
        for (const auto& gap : gaps)
            p.drawLine(QPointF(tipX + gap[0], gap[1]), QPointF(tipX + gap[0], gap[1] + 4.5));
        // The cuff.
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(236, 236, 236));
        p.drawRoundedRect(QRectF(tipX - 1.2, 26, 15.6, 4.8), 1.2, 1.2);
    });
}
} // namespace icons
