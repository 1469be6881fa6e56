// The panels that hold text: the top-10 list, the scoreboard, the roll counters, the message
// display and the small plates at the bottom. All of them are dark enough for white text.
#include "Background.h"

#include "Icons.h"
#include "Paint.h"
#include "Palette.h"
#include "ui/Layout.h"

#include <algorithm>

namespace scene {
namespace {

QRectF grown(const QRect& r, double by) {
    return QRectF(r).adjusted(-by, -by, by, by);
}

// A dark card lying on the felt, edged in gold.
void card(QPainter& p, const QRectF& r, double radius, int alpha) {
    const QPainterPath path = paint::rounded(r, radius);
    paint::dropShadow(p, path, QPointF(2, 4), 8, 170);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(4, 16, 10, alpha));
    g.setColorAt(1, QColor(2, 8, 5, alpha));
    p.fillPath(path, g);
    paint::goldFrame(p, paint::rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    paint::goldFrame(p, paint::rounded(r.adjusted(3.5, 3.5, -3.5, -3.5), radius - 3), 0.35);
}

QFont headingFont(int pixels) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    return f;
}

// The centre of a scoreboard row: between its name and its score, which sit a few pixels
// apart, so that both read as centred in one slot.
double rowCentre(int id) {
    const QRectF name = layout::category(id).px(), score = layout::score(id).px();
    return (name.center().y() + score.center().y()) / 2.0 + 0.5;
}

// The slots end just right of the score column, leaving room for the row marker.
double slotRight() {
    return QRectF(layout::score(1).px()).right() + 2;
}
} // namespace

void topList(QPainter& p) {
    const QRectF heading = layout::TopHeading.px();
    const QRectF last = layout::topp(10).px();
    const QRectF panel(heading.left() - 10, heading.top() - 3, heading.width() + 20,
                       last.bottom() + 3 - (heading.top() - 3));
    card(p, panel, 7, 175);

    const QPainterPath head = paint::rounded(heading, 4);
    QLinearGradient g(heading.topLeft(), heading.bottomLeft());
    g.setColorAt(0, QColor(58, 40, 16, 220));
    g.setColorAt(1, QColor(26, 16, 6, 230));
    p.fillPath(head, g);
    paint::goldFrame(p, head, 0.7);

    // A cup and the words "TOP 10" at the left; the user's name shows at the right.
    const QRectF cup(heading.left() + 5, heading.top() + 3, heading.height() - 6,
                     heading.height() - 6);
    glyph::fillGold(p, glyph::trophy(cup));
    p.save();
    p.setFont(headingFont(13));
    p.setPen(QColor(0, 0, 0, 170));
    const QRectF words(cup.right() + 6, heading.top(), 90, heading.height());
    p.drawText(words.translated(0, 1), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("TOP 10"));
    p.setPen(palette::Gold);
    p.drawText(words, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("TOP 10"));
    p.restore();
    const QRectF user = layout::lb_User.px();
    const double s = user.height() - 4;
    glyph::fillGold(p, glyph::person(QRectF(user.left() - s - 4, user.top() + 2, s, s)), 0.8);

    // Faint stripes so the eye can follow a row across.
    for (int place = 1; place <= 10; ++place) {
        const QRectF row = layout::topp(place).px();
        if (place % 2 == 0) p.fillRect(row.adjusted(-4, 0, 4, 0), QColor(255, 255, 255, 10));
        if (place < 10) {
            p.setPen(QPen(QColor(224, 186, 98, 28), 1));
            p.drawLine(QPointF(row.left(), row.bottom() + 0.5),
                       QPointF(row.right(), row.bottom() + 0.5));
        }
    }
}

void scoreboard(QPainter& p) {
    const QRectF panel = layout::Scoreboard.px();
    card(p, panel, 8, 200);

    // The heading: a pair of dice between gold rules.
    const double headBottom = layout::category(1).px().top() - 6;
    const QPointF mid(panel.center().x(), (panel.top() + headBottom) / 2.0 + 1);
    const int scale = paint::scaleOf(p);
    const QImage left = smallDie(42, 5, -18, scale), right = smallDie(36, 2, 27, scale);
    p.drawImage(mid + QPointF(-42, -24), left);
    p.drawImage(mid + QPointF(3, -16), right);
    p.setPen(QPen(QColor(224, 186, 98, 150), 1));
    p.drawLine(QPointF(panel.left() + 10, headBottom + 0.5),
               QPointF(panel.right() - 10, headBottom + 0.5));

    for (int id = 1; id <= 20; ++id) {
        const QRectF name = layout::category(id).px();
        const QRectF score = layout::score(id).px();
        const double c = rowCentre(id);
        const QRectF slot(name.left() - 3, c - 8.5, slotRight() - (name.left() - 3), 17);
        paint::sunkPlate(p, slot, 4, id <= 6 ? palette::SlotUpper : palette::Slot);
        const QRectF cell(score.left() - 1, slot.top() + 1.5, score.width() + 2, slot.height() - 3);
        paint::sunkPlate(p, cell, 3, palette::Cell, QColor(224, 186, 98, 90));
    }

    // The bonus and the total under a gold rule, in one box.
    const QRectF bonus = layout::disp_Bonus.px(), total = layout::disp_Total.px();
    const QRectF box(bonus.left() - 3, bonus.top() - 1, slotRight() - (bonus.left() - 3),
                     total.bottom() + 1 - (bonus.top() - 1));
    p.setPen(QPen(palette::Gold, 1));
    p.drawLine(QPointF(box.left() + 2, box.top() - 1.5), QPointF(box.right() - 2, box.top() - 1.5));
    paint::sunkPlate(p, box, 4, QColor(22, 14, 4), palette::GoldDeep);
    p.setPen(QPen(QColor(224, 186, 98, 70), 1));
    const double split = (bonus.bottom() + total.top()) / 2.0 + 0.5;
    p.drawLine(QPointF(box.left() + 4, split), QPointF(box.right() - 4, split));
    const QRectF b = layout::Bonus.px(), t = layout::scr_Tot.px();
    paint::sunkPlate(p, QRectF(b.left() - 1, box.top() + 1.5, b.width() + 2, split - box.top() - 3),
                     3, palette::Cell, QColor(224, 186, 98, 90));
    paint::sunkPlate(p, QRectF(t.left() - 1, split + 1.5, t.width() + 2, box.bottom() - split - 3),
                     3, palette::Cell, palette::Gold);
}

void counters(QPainter& p) {
    const QRectF rolls = grown(layout::Rolls.px(), 3), perCategory = grown(layout::Mrolls.px(), 3);
    for (const QRectF& r : {rolls, perCategory}) {
        paint::dropShadow(p, paint::rounded(r.adjusted(-2, -2, 2, 2), 6), QPointF(1, 3), 5, 160);
        paint::raisedPlate(p, r.adjusted(-2, -2, 2, 2), 6, QColor(70, 48, 24), QColor(28, 16, 8),
                           palette::GoldDeep);
        paint::sunkPlate(p, r.adjusted(0.5, 0.5, -0.5, -0.5), 4, QColor(4, 8, 6));
    }
    // A die marks the pool of rolls; a die over a line, the rolls per category.
    const double s = layout::Rolls.px().height() - 2;
    const int scale = paint::scaleOf(p);
    p.drawImage(QPointF(rolls.left() - s - 6, rolls.center().y() - s / 2 - 1),
                smallDie(int(s + 2), 3, 15, scale));
    p.drawImage(QPointF(perCategory.left() - s - 6, perCategory.center().y() - s / 2 - 1),
                smallDie(int(s + 2), 6, -15, scale));
}

void messageStrip(QPainter& p) {
    const QRectF strip = layout::MessageStrip.px();
    const QRectF bezel = strip.adjusted(-5, -5, 5, 5);
    paint::raisedPlate(p, bezel, 8, QColor(74, 74, 70), QColor(20, 20, 19), palette::GoldDeep);
    const QPainterPath glass = paint::rounded(strip, 4);
    p.fillPath(glass, palette::Led);
    paint::innerShadow(p, glass, QPointF(0, 2), 5, 255);

    // Every dot of the sign shows faintly while unlit, like a real matrix display.
    p.save();
    p.setPen(Qt::NoPen);
    for (int cell = 0; cell < 13; ++cell)
        for (int col = 0; col < 5; ++col)
            for (int row = 0; row < 7; ++row) {
                const QRectF dot =
                    twips::rect(600 + 510 * cell + 90 * col, 8100 + 90 * row, 75, 75);
                QRadialGradient g(dot.center() + QPointF(-0.6, -0.6), dot.width() * 0.6);
                g.setColorAt(0, paint::scaled(palette::LedDot, 1.35));
                g.setColorAt(1, palette::LedDot);
                p.setBrush(g);
                p.drawEllipse(dot.adjusted(0.3, 0.3, -0.3, -0.3));
            }
    p.restore();
    // A faint reflection across the upper half of the glass.
    QLinearGradient shine(strip.topLeft(), QPointF(strip.left(), strip.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 16));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(paint::rounded(strip.adjusted(2, 2, -2, -strip.height() / 2), 3), shine);
}

void footer(QPainter& p) {
    const QRectF sound = layout::SoundPic.px();
    const QRectF disc = sound.adjusted(-4, -4, 4, 4);
    paint::dropShadow(p, paint::rounded(disc, disc.width() / 2), QPointF(1, 2), 4, 160);
    paint::raisedPlate(p, disc, disc.width() / 2, palette::ButtonTop, palette::ButtonBottom,
                       palette::GoldDeep);
    paint::raisedPlate(p, grown(layout::Homepage.px(), 1), 5, palette::ButtonTop,
                       palette::ButtonBottom, palette::GoldDeep);
}

} // namespace scene
