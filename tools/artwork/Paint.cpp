#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace paint {

float hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed * 0x9E3779B9u ^ std::uint32_t(x) * 0x85EBCA6Bu ^ std::uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return float(h >> 8) / float(1u << 24);
}

float valueNoise(float x, float y, std::uint32_t seed) {
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const float fx = x - float(xi), fy = y - float(yi);
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float a = hash(xi, yi, seed), b = hash(xi + 1, yi, seed);
    const float c = hash(xi, yi + 1, seed), d = hash(xi + 1, yi + 1, seed);
    return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}

float fbm(float x, float y, std::uint32_t seed, int octaves) {
    float sum = 0, amplitude = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + std::uint32_t(i) * 101u);
        norm += amplitude;
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / norm;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto m = [t](int u, int v) { return int(std::lround(u + (v - u) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                  m(a.alpha(), b.alpha()));
}

QColor scaled(const QColor& c, double factor) {
    auto s = [factor](int v) { return std::clamp(int(std::lround(v * factor)), 0, 255); };
    return QColor(s(c.red()), s(c.green()), s(c.blue()), c.alpha());
}

namespace {
// One box pass along rows (or columns when transposed) over the four channels.
void boxPass(QImage& image, int radius, bool vertical) {
    const int w = image.width(), h = image.height();
    const int lines = vertical ? w : h, length = vertical ? h : w;
    std::vector<int> sum(4), buffer(std::size_t(length) * 4);
    for (int line = 0; line < lines; ++line) {
        auto px = [&](int i) -> QRgb& {
            return reinterpret_cast<QRgb*>(
                image.scanLine(vertical ? i : line))[vertical ? line : i];
        };
        for (int i = 0; i < length; ++i) {
            const QRgb c = px(i);
            buffer[std::size_t(i) * 4 + 0] = qAlpha(c);
            buffer[std::size_t(i) * 4 + 1] = qRed(c);
            buffer[std::size_t(i) * 4 + 2] = qGreen(c);
            buffer[std::size_t(i) * 4 + 3] = qBlue(c);
        }
        std::fill(sum.begin(), sum.end(), 0);
        auto at = [&](int i, int ch) {
            return buffer[std::size_t(std::clamp(i, 0, length - 1)) * 4 + std::size_t(ch)];
        };
        for (int i = -radius; i <= radius; ++i)
            for (int ch = 0; ch < 4; ++ch)
                sum[std::size_t(ch)] += at(i, ch);
        const int n = 2 * radius + 1;
        for (int i = 0; i < length; ++i) {
            px(i) = qRgba(sum[1] / n, sum[2] / n, sum[3] / n, sum[0] / n);
            for (int ch = 0; ch < 4; ++ch)
                sum[std::size_t(ch)] += at(i + radius + 1, ch) - at(i - radius, ch);
        }
    }
}
} // namespace

void blur(QImage& image, int radius) {
    if (radius <= 0) return;
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(image, r, false);
        boxPass(image, r, true);
    }
}

QImage scaledImage(QSize logical, QImage::Format format, int scale) {
    QImage img(logical * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

int scaleOf(const QPainter& p) {
    return std::max(1, int(std::lround(p.device()->devicePixelRatioF())));
}

namespace {
// The mask is made at the painter's scale, so that a shadow's edge is as fine as the rest.
QImage shapeMask(const QPainterPath& shape, const QRect& area, bool outside, int scale) {
    QImage mask = scaledImage(area.size(), QImage::Format_ARGB32_Premultiplied, scale);
    mask.fill(outside ? Qt::black : Qt::transparent);
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.translate(-area.topLeft());
    if (outside) m.setCompositionMode(QPainter::CompositionMode_Clear);
    m.fillPath(shape, Qt::black);
    return mask;
}
} // namespace

void dropShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int radius, int alpha) {
    const QRect area = shape.boundingRect().toAlignedRect().adjusted(-2 * radius, -2 * radius,
                                                                     2 * radius, 2 * radius);
    const int scale = scaleOf(p);
    QImage mask = shapeMask(shape, area, false, scale);
    blur(mask, radius * scale);
    p.save();
    p.setOpacity(alpha / 255.0);
    p.drawImage(area.topLeft() + offset, mask);
    p.restore();
}

void innerShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int radius, int alpha) {
    const QRect area = shape.boundingRect().toAlignedRect().adjusted(-2 * radius, -2 * radius,
                                                                     2 * radius, 2 * radius);
    const int scale = scaleOf(p);
    QImage mask = shapeMask(shape, area, true, scale);
    blur(mask, radius * scale);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.setOpacity(alpha / 255.0);
    p.drawImage(area.topLeft() + offset, mask);
    p.restore();
}

QPainterPath rounded(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void raisedPlate(QPainter& p, const QRectF& r, double radius, const QColor& top,
                 const QColor& bottom, const QColor& rim) {
    const QPainterPath body = rounded(r, radius);
    dropShadow(p, body, QPointF(1, 2), 4, 150);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(0.5, mix(top, bottom, 0.6));
    g.setColorAt(1, bottom);
    p.fillPath(body, g);
    // A soft gloss on the upper half, as on lacquer.
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 44));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(rounded(r.adjusted(1.5, 1.5, -1.5, -r.height() / 2), radius - 1), gloss);
    p.save();
    p.setPen(QPen(rim, 1));
    p.drawPath(rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius));
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5),
               QPointF(r.right() - radius, r.top() + 1.5));
    p.restore();
}

void sunkPlate(QPainter& p, const QRectF& r, double radius, const QColor& fill, const QColor& rim) {
    const QPainterPath body = rounded(r, radius);
    p.fillPath(body, fill);
    innerShadow(p, body, QPointF(0, 1.5), 3, 200);
    p.save();
    // The lower lip catches the light.
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 0.5),
               QPointF(r.right() - radius, r.bottom() + 0.5));
    if (rim.isValid()) {
        p.setPen(QPen(rim, 1));
        p.drawPath(rounded(r.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5));
    }
    p.restore();
}

void goldFrame(QPainter& p, const QPainterPath& shape, double alpha) {
    p.save();
    p.setOpacity(alpha);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 26, 8, 160), 1));
    p.drawPath(shape.translated(0, 1));
    QLinearGradient g(shape.boundingRect().topLeft(), shape.boundingRect().bottomRight());
    g.setColorAt(0, QColor(250, 222, 140));
    g.setColorAt(0.45, QColor(196, 150, 66));
    g.setColorAt(0.55, QColor(236, 200, 112));
    g.setColorAt(1, QColor(150, 108, 44));
    p.setPen(QPen(QBrush(g), 1));
    p.drawPath(shape);
    p.restore();
}

QImage woodTexture(QSize size, std::uint32_t seed, int scale) {
    QImage wood = scaledImage(size, QImage::Format_RGB32, scale);
    const bool across = size.width() >= size.height();
    const QColor dark(36, 20, 11), light(86, 50, 27);
    // The grain is a function of the logical place, so every scale shows the same wood.
    const float step = 1.0f / float(scale), shift = 0.5f * step - 0.5f;
    for (int y = 0; y < wood.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(wood.scanLine(y));
        for (int x = 0; x < wood.width(); ++x) {
            const float lx = float(x) * step + shift, ly = float(y) * step + shift;
            const float along = across ? lx : ly, over = across ? ly : lx;
            const float warp = fbm(along * 0.006f, over * 0.09f, seed) * 9.0f;
            const float ring = 0.5f + 0.5f * std::sin((over + warp) * 1.3f);
            const float fine = fbm(along * 0.08f, over * 0.9f, seed + 7u, 2);
            const double t = 0.25 + 0.45 * ring * ring + 0.3 * fine;
            line[x] = mix(dark, light, std::clamp(t, 0.0, 1.0)).rgb();
        }
    }
    return wood;
}

} // namespace paint
