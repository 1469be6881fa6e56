// Decorations printed on the table: the game's name on the felt, and the small dice used as
// the logo and as marks beside the counters and on the scoreboard.
#include "Background.h"

#include "DieRenderer.h"
#include "Paint.h"
#include "Palette.h"
#include "ui/Layout.h"

namespace scene {

QImage smallDie(int size, int top, double yaw, int scale) {
    const die::View view{6, 50, yaw, 1};
    const QRectF b = die::bounds(view);
    // The same framing at every scale: the die is measured in logical pixels, then traced at
    // the device's.
    const double fit = (size - 1) / std::max(b.width(), b.height());
    const die::Shot shot{fit * scale, (QPointF(size / 2.0, size / 2.0) - b.center() * fit) * scale};
    QImage out = die::alone(top, view, shot, QSize(size, size) * scale);
    out.setDevicePixelRatio(scale);
    return out;
}

void tablePrint(QPainter& p) {
    // The name is printed into the felt below the dice board, as on a casino table: flat gold
    // ink that lets the cloth show through.
    const QRectF board = layout::DiceTable.px();
    const QRectF strip = layout::MessageStrip.px();
    const QRectF area(board.left(), board.bottom() + 6, board.width(),
                      strip.top() - 8 - (board.bottom() + 6));
    const QPointF c = area.center() + QPointF(0, -4);

    const int scale = paint::scaleOf(p);
    QImage ink = paint::scaledImage(QSize(p.device()->width(), p.device()->height()) / scale,
                                    QImage::Format_ARGB32_Premultiplied, scale);
    ink.fill(Qt::transparent);
    {
        QPainter q(&ink);
        q.setRenderHint(QPainter::Antialiasing);
        const QColor gold = palette::Gold;
        q.setPen(QPen(gold, 1.6));
        q.setBrush(Qt::NoBrush);
        const double rx = area.width() * 0.42, ry = area.height() * 0.40;
        q.drawEllipse(c, rx, ry);
        q.setPen(QPen(gold, 0.8));
        q.drawEllipse(c, rx - 5, ry - 5);

        QFont name(QStringLiteral("DejaVu Serif"));
        name.setPixelSize(34);
        name.setBold(true);
        name.setLetterSpacing(QFont::AbsoluteSpacing, 4);
        q.setFont(name);
        q.setPen(gold);
        const QRectF words(c.x() - rx, c.y() - 30, 2 * rx, 40);
        q.drawText(words, Qt::AlignCenter, QStringLiteral("TARNWICK"));

        QFont year = name;
        year.setPixelSize(15);
        year.setLetterSpacing(QFont::AbsoluteSpacing, 7);
        q.setFont(year);
        const QRectF under(c.x() - 60, c.y() + 12, 120, 20);
        q.drawText(under, Qt::AlignCenter, QStringLiteral("2000"));
        q.setPen(QPen(gold, 1));
        q.drawLine(QPointF(c.x() - 120, under.center().y()),
                   QPointF(c.x() - 48, under.center().y()));
        q.drawLine(QPointF(c.x() + 48, under.center().y()),
                   QPointF(c.x() + 120, under.center().y()));
        // Pips as ornaments at the ends of the ring.
        q.setPen(Qt::NoPen);
        q.setBrush(gold);
        for (double side : {-1.0, 1.0}) {
            const QPointF end(c.x() + side * (rx - 18), c.y());
            for (int i = 0; i < 3; ++i)
                q.drawEllipse(end + QPointF(side * (i - 1) * 6, (i - 1) * 6), 2.2, 2.2);
        }
    }
    // Worn ink: the cloth's texture breaks the print a little.
    // The wear follows the logical place, so both scales are worn alike.
    const float step = 1.0f / float(scale), shift = 0.5f * step - 0.5f;
    for (int y = int(area.top()) * scale; y < int(area.bottom()) * scale; ++y) {
        auto* line = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = int(area.left()) * scale; x < int(area.right()) * scale; ++x) {
            const float lx = float(x) * step + shift, ly = float(y) * step + shift;
            const double keep = 0.5 + 0.3 * paint::fbm(lx * 0.3f, ly * 0.3f, 41u, 2);
            const QRgb c0 = line[x];
            line[x] = qRgba(int(qRed(c0) * keep), int(qGreen(c0) * keep), int(qBlue(c0) * keep),
                            int(qAlpha(c0) * keep));
        }
    }
    p.drawImage(0, 0, ink);
}

} // namespace scene
