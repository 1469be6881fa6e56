#pragma once
// Small painting tools shared by the background, the dice and the icons: seeded noise for
// textures, blurred shadows, and the raised and recessed plates that the artwork is built of.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <utility>

namespace paint {

// Noise that is the same on every build: a hash of the pixel and a seed, in [0, 1).
float hash(int x, int y, std::uint32_t seed);
// Smooth value noise and its sum over octaves, about in [0, 1).
float valueNoise(float x, float y, std::uint32_t seed);
float fbm(float x, float y, std::uint32_t seed, int octaves = 4);

QColor mix(const QColor& a, const QColor& b, double t);
QColor scaled(const QColor& c, double factor);

// Box blur, three passes (close to a Gaussian), of a premultiplied ARGB image.
void blur(QImage& image, int radius);

// A soft shadow of a shape, drawn under whatever is painted next.
void dropShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int radius, int alpha);
// A shadow cast inside a shape from its upper edge: makes it look sunk into the surface.
void innerShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int radius, int alpha);

QPainterPath rounded(const QRectF& r, double radius);

// A raised plate: shadow, a vertical gradient, a light upper lip and a rim.
void raisedPlate(QPainter& p, const QRectF& r, double radius, const QColor& top,
                 const QColor& bottom, const QColor& rim);
// A plate sunk into the table: dark fill, inner shadow, a lit lower lip and an optional rim.
void sunkPlate(QPainter& p, const QRectF& r, double radius, const QColor& fill,
               const QColor& rim = QColor());

// Gold hairline: a bright line over a dark one, as engraved metal catches the light.
void goldFrame(QPainter& p, const QPainterPath& shape, double alpha = 1.0);

// Every picture is painted at `scale` 1 and again at 2 for high-density screens. A painted
// image of a picture at scale 2 has twice the pixels each way and carries a device pixel ratio
// of 2, so that painters on it work in the picture's own (logical) pixels.
QImage scaledImage(QSize logical, QImage::Format format, int scale);
// The scale a painter paints at: its device's pixel ratio, rounded.
int scaleOf(const QPainter& p);

// Wood with its grain along the longer side, `size` logical pixels at `scale`.
QImage woodTexture(QSize size, std::uint32_t seed, int scale = 1);

// Paints with an antialiased painter on an image four times the size and shrinks it smoothly,
// for small pictures whose curves must stay clean. At `scale` 2 the result has twice the
// pixels each way (a real repaint, not an enlargement) and a device pixel ratio of 2.
template <class F> QImage supersampled(QSize size, int scale, F&& draw) {
    const int k = 4 * scale;
    QImage big(size * k, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(k, k);
        draw(p);
    }
    QImage out = big.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.setDevicePixelRatio(scale);
    return out;
}
template <class F> QImage supersampled(QSize size, F&& draw) {
    return supersampled(size, 1, std::forward<F>(draw));
}

} // namespace paint
