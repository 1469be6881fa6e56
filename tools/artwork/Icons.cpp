#include "Icons.h"

#include "Background.h"
#include "DieRenderer.h"
#include "Paint.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace glyph {

QPainterPath trophy(const QRectF& b) {
    const double w = b.width(), h = b.height();
    QPainterPath cup;
    cup.moveTo(b.left() + 0.18 * w, b.top());
    cup.lineTo(b.right() - 0.18 * w, b.top());
    cup.cubicTo(b.right() - 0.18 * w, b.top() + 0.45 * h, b.center().x() + 0.12 * w,
                b.top() + 0.58 * h, b.center().x() + 0.07 * w, b.top() + 0.62 * h);
    cup.lineTo(b.center().x() + 0.07 * w, b.top() + 0.78 * h);
    cup.lineTo(b.center().x() + 0.25 * w, b.top() + 0.84 * h);
    cup.lineTo(b.center().x() + 0.25 * w, b.bottom());
    cup.lineTo(b.center().x() - 0.25 * w, b.bottom());
    cup.lineTo(b.center().x() - 0.25 * w, b.top() + 0.84 * h);
    cup.lineTo(b.center().x() - 0.07 * w, b.top() + 0.78 * h);
    cup.lineTo(b.center().x() - 0.07 * w, b.top() + 0.62 * h);
    cup.cubicTo(b.center().x() - 0.12 * w, b.top() + 0.58 * h, b.left() + 0.18 * w,
                b.top() + 0.45 * h, b.left() + 0.18 * w, b.top());
    cup.closeSubpath();
    // Handles: rings on both sides.
    QPainterPath handles;
    const double r = 0.17 * w;
    handles.addEllipse(QPointF(b.left() + 0.18 * w, b.top() + 0.25 * h), r, r * 1.1);
    handles.addEllipse(QPointF(b.right() - 0.18 * w, b.top() + 0.25 * h), r, r * 1.1);
    QPainterPath holes;
    holes.addEllipse(QPointF(b.left() + 0.18 * w, b.top() + 0.25 * h), r * 0.5, r * 0.6);
    holes.addEllipse(QPointF(b.right() - 0.18 * w, b.top() + 0.25 * h), r * 0.5, r * 0.6);
    return cup.united(handles.subtracted(holes)).subtracted(holes);
}

QPainterPath person(const QRectF& b) {
    const double w = b.width(), h = b.height();
    QPainterPath p;
    p.addEllipse(QPointF(b.center().x(), b.top() + 0.28 * h), 0.22 * w, 0.25 * h);
    QPainterPath body;
    body.moveTo(b.left() + 0.06 * w, b.bottom());
    body.cubicTo(b.left() + 0.06 * w, b.top() + 0.55 * h, b.right() - 0.06 * w, b.top() + 0.55 * h,
                 b.right() - 0.06 * w, b.bottom());
    body.closeSubpath();
    return p.united(body);
}

QPainterPath gear(QPointF c, double radius, int teeth) {
    QPainterPath g;
    const double inner = radius * 0.76;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? radius : inner;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        i == 0 ? g.moveTo(pt) : g.lineTo(pt);
    }
    g.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, radius * 0.32, radius * 0.32);
    return g.subtracted(hole);
}

QPainterPath speaker(const QRectF& b) {
    const double w = b.width(), h = b.height();
    QPainterPath s;
    s.moveTo(b.left(), b.top() + 0.33 * h);
    s.lineTo(b.left() + 0.3 * w, b.top() + 0.33 * h);
    s.lineTo(b.right(), b.top());
    s.lineTo(b.right(), b.bottom());
    s.lineTo(b.left() + 0.3 * w, b.top() + 0.67 * h);
    s.lineTo(b.left(), b.top() + 0.67 * h);
    s.closeSubpath();
    return s;
}

void fillGold(QPainter& p, const QPainterPath& shape, double opacity) {
    p.save();
    p.setOpacity(opacity);
    p.fillPath(shape.translated(0, 1), QColor(0, 0, 0, 150));
    const QRectF b = shape.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, QColor(255, 232, 150));
    g.setColorAt(0.5, QColor(214, 168, 72));
    g.setColorAt(1, QColor(150, 104, 36));
    p.fillPath(shape, g);
    p.restore();
}

} // namespace glyph

namespace icons {
namespace {

const QColor Outline(24, 20, 16);

void outlined(QPainter& p, const QPainterPath& shape, const QBrush& fill, double pen = 1.6) {
    p.setPen(QPen(Outline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void speakerIcon(QPainter& p, bool on) {
    const QRectF box(2, 6.5, 15, 19);
    outlined(p, glyph::speaker(box), vertical(box, QColor(250, 250, 245), QColor(168, 172, 176)));
    if (on) {
        for (int i = 0; i < 2; ++i) {
            const double r = 5.5 + i * 5.5;
            QPainterPath arc;
            arc.arcMoveTo(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45);
            arc.arcTo(QRectF(16 - r, 16 - r, 2 * r, 2 * r), -45, 90);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Outline, 4.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arc);
            p.setPen(QPen(QColor(120, 230, 120), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(arc);
        }
    } else {
        QPainterPath cross;
        cross.moveTo(20, 11);
        cross.lineTo(29.5, 20.5);
        cross.moveTo(29.5, 11);
        cross.lineTo(20, 20.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Outline, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross);
        p.setPen(QPen(QColor(236, 52, 48), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cross);
    }
}

void alarmIcon(QPainter& p) {
    const QColor bell(220, 170, 60), bellDark(150, 96, 24);
    for (double side : {-1.0, 1.0}) {
        QPainterPath b;
        b.addEllipse(QPointF(16 + side * 9, 7), 5, 4.5);
        outlined(p, b, vertical(b.boundingRect(), bell.lighter(130), bellDark), 1.3);
        p.setPen(QPen(Outline, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16 + side * 6, 25), QPointF(16 + side * 9, 29));
    }
    QPainterPath face;
    face.addEllipse(QPointF(16, 17), 11, 11);
    outlined(p, face, vertical(face.boundingRect(), bell.lighter(120), bellDark), 1.4);
    QPainterPath dial;
    dial.addEllipse(QPointF(16, 17), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 250, 240));
    p.drawPath(dial);
    p.setPen(QPen(Outline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17), QPointF(16, 11));
    p.drawLine(QPointF(16, 17), QPointF(20, 19));
    p.setPen(QPen(QColor(200, 30, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 17), QPointF(12, 21));
}

void userIcon(QPainter& p) {
    const QRectF box(4, 3, 24, 27);
    outlined(p, glyph::person(box), vertical(box, QColor(120, 180, 250), QColor(30, 70, 160)));
}

void gearIcon(QPainter& p) {
    const QPainterPath g = glyph::gear(QPointF(16, 16), 13.5, 8);
    QRadialGradient metal(QPointF(12, 10), 20);
    metal.setColorAt(0, QColor(236, 238, 240));
    metal.setColorAt(0.6, QColor(150, 156, 164));
    metal.setColorAt(1, QColor(84, 90, 98));
    outlined(p, g, metal, 1.4);
}

void errorIcon(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 14, 14);
    QRadialGradient red(QPointF(12, 10), 18);
    red.setColorAt(0, QColor(255, 120, 110));
    red.setColorAt(0.55, QColor(220, 30, 30));
    red.setColorAt(1, QColor(130, 6, 10));
    outlined(p, disc, red, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath bar;
    bar.moveTo(13.6, 7);
    bar.lineTo(18.4, 7);
    bar.lineTo(17.2, 19.5);
    bar.lineTo(14.8, 19.5);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(16, 23.8), 2.3, 2.3);
}

} // namespace

QImage icon(int id, int scale) {
    if (id == 73) return scene::smallDie(Size, 5, 24, scale);
    return paint::supersampled(QSize(Size, Size), scale, [id](QPainter& p) {
        switch (id) {
        case 67:
            speakerIcon(p, true);
            break;
        case 68:
            speakerIcon(p, false);
            break;
        case 69:
            alarmIcon(p);
            break;
        case 70:
            userIcon(p);
            break;
        case 71:
            gearIcon(p);
            break;
        default:
            errorIcon(p);
            break;
        }
    });
}

} // namespace icons
