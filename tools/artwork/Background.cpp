#include "Background.h"

#include "Icons.h"
#include "Paint.h"
#include "Palette.h"
#include "ui/Layout.h"

#include <algorithm>
#include <cmath>

namespace scene {
namespace {
constexpr int FrameWidth = 4;

QRectF grown(const QRect& r, double by) {
    return QRectF(r).adjusted(-by, -by, by, by);
}
} // namespace

QImage felt(QSize size, int scale) {
    // A lamp over the dice board lights the middle of the table; the corners fall off.
    return felt(size, QRectF(layout::DiceTable.px()).center() + QPointF(40, -10), scale);
}

QImage felt(QSize size, QPointF lamp, int scale) {
    QImage img = paint::scaledImage(size, QImage::Format_RGB32, scale);
    // The light reaches about as far across any picture as across the window's 800 x 600.
    const double reachX = size.width() * 0.7, reachY = size.height() * 0.7;
    // Light and texture follow the logical place; only the single-pixel grain is per pixel.
    const float step = 1.0f / float(scale), shift = 0.5f * step - 0.5f;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const float ly = float(y) * step + shift;
        for (int x = 0; x < img.width(); ++x) {
            const float lx = float(x) * step + shift;
            const double dx = (lx - lamp.x()) / reachX, dy = (ly - lamp.y()) / reachY;
            const double d = std::sqrt(dx * dx + dy * dy);
            const double light = 1.0 - std::clamp(d * d * 0.75, 0.0, 0.85);
            const double mottle = 0.93 + 0.14 * paint::fbm(lx * 0.018f, ly * 0.018f, 11u);
            // Felt fibres: fine noise, a little stretched across.
            const double fibre = 0.94 + 0.12 * paint::fbm(lx * 0.45f, ly * 0.9f, 23u, 2) +
                                 0.05 * (paint::hash(x, y, 5u) - 0.5);
            QColor c = paint::mix(palette::FeltDark, palette::FeltLight, light);
            line[x] = paint::scaled(c, mottle * fibre).rgb();
        }
    }
    return img;
}

void frame(QPainter& p) {
    frame(p, QSize(twips::px(layout::WindowWidth), twips::px(layout::WindowHeight)), FrameWidth, 6);
}

void frame(QPainter& p, QSize size, int width, double radius) {
    const int w = size.width(), h = size.height();
    const QImage wood = paint::woodTexture(QSize(w, h), 3u, paint::scaleOf(p));
    QPainterPath border;
    border.addRect(0, 0, w, h);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(width, width, w - 2 * width, h - 2 * width), radius, radius);
    border = border.subtracted(inside);
    // The frame casts a shadow onto the felt at its inner edge.
    paint::innerShadow(p, inside, QPointF(0, 1), 8, 170);
    p.save();
    p.setClipPath(border);
    p.drawImage(0, 0, wood);
    p.restore();
    paint::goldFrame(p, inside, 0.8);
}

void titleBar(QPainter& p) {
    const QRect bar = layout::Titellist.px();
    const int scale = paint::scaleOf(p);
    p.drawImage(bar.topLeft(), paint::woodTexture(bar.size(), 9u, scale));
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0, QColor(255, 230, 190, 40));
    shade.setColorAt(0.15, QColor(0, 0, 0, 60));
    shade.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(bar, shade);
    paint::dropShadow(p, paint::rounded(QRectF(0, bar.bottom() - 2, bar.width(), 3), 0),
                      QPointF(0, 3), 5, 200);
    p.setPen(QPen(palette::GoldDeep, 1));
    p.drawLine(QPointF(0, bar.bottom() + 0.5), QPointF(bar.right() + 1, bar.bottom() + 0.5));
    p.setPen(QPen(paint::mix(palette::Gold, Qt::white, 0.2), 1));
    p.drawLine(QPointF(0, bar.bottom() - 0.5), QPointF(bar.right() + 1, bar.bottom() - 0.5));

    // The logo: a die on a sunk plate; it opens the program's menu.
    const QRectF logo = QRectF(layout::Logo.px());
    paint::sunkPlate(p, logo, 4, QColor(10, 20, 14), palette::GoldDeep);
    p.drawImage(logo.topLeft() + QPointF(1, 1), smallDie(int(logo.width()) - 2, 5, 20, scale));

    // The clock shows in a dark window.
    paint::sunkPlate(p, grown(layout::ShowTime.px(), 0), 3, QColor(6, 10, 8), palette::GoldDeep);

    const QColor plateTop = palette::ButtonTop, plateBottom = palette::ButtonBottom;
    paint::raisedPlate(p, layout::lblSett.px(), 4, plateTop, plateBottom, palette::GoldDeep);
    const QRectF help = layout::lblHelp.px();
    paint::raisedPlate(p, help, help.width() / 2, plateTop, plateBottom, palette::GoldDeep);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 160));
    p.drawText(help.translated(0, 1), Qt::AlignCenter, QStringLiteral("?"));
    p.setPen(palette::Gold);
    p.drawText(help, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();

    paint::raisedPlate(p, layout::Minimera.px(), 4, plateTop, plateBottom, palette::GoldDeep);
    paint::raisedPlate(p, layout::Avsluta.px(), 4, palette::ButtonRed, palette::ButtonRedDark,
                       palette::GoldDeep);
}

void diceBoard(QPainter& p, const QImage& feltImage) {
    const QRectF board = layout::DiceTable.px();
    const QRect roll = layout::Roll.px();
    const QPainterPath rim = paint::rounded(board, 9);
    paint::dropShadow(p, rim, QPointF(2, 5), 10, 200);
    p.save();
    p.setClipPath(rim);
    p.drawImage(board.topLeft(), paint::woodTexture(board.size().toSize(), 17u, paint::scaleOf(p)));
    QLinearGradient lit(board.topLeft(), board.bottomLeft());
    lit.setColorAt(0, QColor(255, 220, 170, 40));
    lit.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(board, lit);
    p.restore();
    paint::goldFrame(p, paint::rounded(board.adjusted(0.5, 0.5, -0.5, -0.5), 9), 0.9);

    // The well the dice lie in: brighter felt under the lamp, sunk into the wood.
    const QRectF well(board.left() + 7, board.top() + 6, board.width() - 14,
                      roll.top() - 6 - (board.top() + 6));
    const QPainterPath wellPath = paint::rounded(well, 6);
    p.save();
    p.setClipPath(wellPath);
    p.drawImage(0, 0, feltImage);
    QRadialGradient glow(well.center() + QPointF(0, -10), well.width() * 0.55);
    glow.setColorAt(0, QColor(190, 255, 200, 34));
    glow.setColorAt(1, QColor(190, 255, 200, 0));
    p.fillRect(well, glow);
    p.restore();
    paint::innerShadow(p, wellPath, QPointF(0, 3), 9, 230);
    paint::goldFrame(p, paint::rounded(well.adjusted(-1, -1, 1, 1), 7), 0.55);

    // The buttons on the rail below the well.
    paint::raisedPlate(p, QRectF(roll), 9, QColor(196, 40, 42), palette::ButtonRedDark,
                       palette::Gold);
    for (const layout::Place& button : {layout::NyttSpel, layout::Undo})
        paint::raisedPlate(p, button.px(), 5, palette::ButtonTop, palette::ButtonBottom,
                           palette::GoldDeep);
}

QImage paint(int scale) {
    const QSize size(twips::px(layout::WindowWidth), twips::px(layout::WindowHeight));
    const QImage base = felt(size, scale);
    QImage img = base;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    tablePrint(p);
    frame(p);
    topList(p);
    counters(p);
    diceBoard(p, base);
    scoreboard(p);
    messageStrip(p);
    footer(p);
    titleBar(p);
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace scene
