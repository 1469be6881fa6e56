#include "DieRenderer.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace die {
namespace {

struct V3 {
    double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double dot(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 cross(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(V3 a) {
    return std::sqrt(dot(a, a));
}
V3 normalised(V3 a) {
    return a * (1.0 / length(a));
}
double at(V3 a, int axis) {
    return axis == 0 ? a.x : axis == 1 ? a.y : a.z;
}

// Rows of a rotation; the die's own axes expressed in the world.
struct M3 {
    std::array<double, 9> m{1, 0, 0, 0, 1, 0, 0, 0, 1};
    V3 operator*(V3 v) const {
        return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
                m[6] * v.x + m[7] * v.y + m[8] * v.z};
    }
    V3 transposedTimes(V3 v) const {
        return {m[0] * v.x + m[3] * v.y + m[6] * v.z, m[1] * v.x + m[4] * v.y + m[7] * v.z,
                m[2] * v.x + m[5] * v.y + m[8] * v.z};
    }
    M3 operator*(const M3& o) const {
        M3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                double s = 0;
                for (int k = 0; k < 3; ++k)
                    s += m[std::size_t(i * 3 + k)] * o.m[std::size_t(k * 3 + j)];
                r.m[std::size_t(i * 3 + j)] = s;
            }
        return r;
    }
};

M3 turnAboutZ(double radians) {
    const double c = std::cos(radians), s = std::sin(radians);
    return M3{{c, -s, 0, s, c, 0, 0, 0, 1}};
}
double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The sides of a standard die: 1, 2 and 3 meet counter-clockwise, opposite sides sum to 7.
V3 sideNormal(int value) {
    switch (value) {
    case 1:
        return {0, 0, 1};
    case 6:
        return {0, 0, -1};
    case 2:
        return {0, -1, 0};
    case 5:
        return {0, 1, 0};
    case 3:
        return {1, 0, 0};
    default:
        return {-1, 0, 0};
    }
}
int sideValue(int axis, bool positive) {
    static constexpr int values[3][2] = {{4, 3}, {2, 5}, {6, 1}};
    return values[axis][positive ? 1 : 0];
}

// Pip places on a side, in steps of the pip grid.
struct Pip {
    int u, v;
};
const std::array<std::array<Pip, 6>, 7> Pips{{
    {},
    {{{0, 0}}},
    {{{-1, -1}, {1, 1}}},
    {{{-1, -1}, {0, 0}, {1, 1}}},
    {{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}},
    {{{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}}},
    {{{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}}},
}};

constexpr double Round = 0.24;     // edge rounding, in half edges
constexpr double Grid = 0.5;       // pip spacing
constexpr double PipRadius = 0.17; // visible pip radius
constexpr double PipDepth = 0.07;
constexpr double DimpleRadius = (PipRadius * PipRadius + PipDepth * PipDepth) / (2 * PipDepth);
constexpr double Distance = 9; // viewer to die centre
constexpr double Table = -1;   // the table under the die
constexpr double Reach = 1.8;  // a sphere that holds the whole die

// In-plane axes of a side, so that the pip patterns turn with the die.
void sideAxes(int axis, V3& a, V3& b) {
    a = axis == 0 ? V3{0, 1, 0} : V3{1, 0, 0};
    b = axis == 2 ? V3{0, 1, 0} : V3{0, 0, 1};
}

struct Scene {
    M3 toWorld;
    V3 eye, forward, right, up;
    double focal = 1;
    QPointF centre;

    Scene(int top, const View& view, const Shot& shot) {
        // Lay the side `top` upwards: the signed permutation that takes its normal to +z.
        M3 lay;
        const V3 n = sideNormal(top);
        if (n.z < 0)
            lay = M3{{1, 0, 0, 0, -1, 0, 0, 0, -1}};
        else if (n.y != 0)
            lay = M3{{1, 0, 0, 0, 0, -n.y, 0, n.y, 0}};
        else if (n.x != 0)
            lay = M3{{0, 0, -n.x, 0, 1, 0, n.x, 0, 0}};
        toWorld =
            turnAboutZ(radians(view.yaw)) * turnAboutZ(view.spin * std::numbers::pi / 2) * lay;

        const double az = radians(view.azimuth), el = radians(view.elevation);
        const V3 toEye{std::sin(az) * std::cos(el), -std::cos(az) * std::cos(el), std::sin(el)};
        eye = toEye * Distance;
        forward = toEye * -1.0;
        right = normalised(cross(forward, V3{0, 0, 1}));
        up = cross(right, forward);
        focal = shot.scale * Distance;
        centre = shot.centre;
    }

    double boxDistance(V3 p) const {
        const V3 q{std::abs(p.x) - (1 - Round), std::abs(p.y) - (1 - Round),
                   std::abs(p.z) - (1 - Round)};
        const V3 out{std::max(q.x, 0.0), std::max(q.y, 0.0), std::max(q.z, 0.0)};
        return length(out) + std::min(std::max(q.x, std::max(q.y, q.z)), 0.0) - Round;
    }

    // The side a local point lies nearest to, and its value.
    static int sideOf(V3 p, int& axis) {
        axis = std::abs(p.x) > std::abs(p.y) ? (std::abs(p.x) > std::abs(p.z) ? 0 : 2)
                                             : (std::abs(p.y) > std::abs(p.z) ? 1 : 2);
        return sideValue(axis, at(p, axis) > 0);
    }

    double distance(V3 world, bool withPips = true) const {
        const V3 p = toWorld.transposedTimes(world);
        const double box = boxDistance(p);
        if (!withPips || box > 0.12) return box;
        int axis = 0;
        const int value = sideOf(p, axis);
        V3 a, b;
        sideAxes(axis, a, b);
        const V3 n = sideNormal(value);
        double dimple = 1e9;
        for (int i = 0; i < value; ++i) {
            const Pip pip = Pips[std::size_t(value)][std::size_t(i)];
            const V3 c =
                n * (1 + DimpleRadius - PipDepth) + a * (pip.u * Grid) + b * (pip.v * Grid);
            dimple = std::min(dimple, length(p - c) - DimpleRadius);
        }
        return std::max(box, -dimple);
    }

    // How much of a surface point is pip (1) rather than ivory (0), softened at the rim.
    double pipCover(V3 world) const {
        const V3 p = toWorld.transposedTimes(world);
        int axis = 0;
        const int value = sideOf(p, axis);
        V3 a, b;
        sideAxes(axis, a, b);
        double nearest = 1e9;
        for (int i = 0; i < value; ++i) {
            const Pip pip = Pips[std::size_t(value)][std::size_t(i)];
            const double du = dot(p, a) - pip.u * Grid, dv = dot(p, b) - pip.v * Grid;
            nearest = std::min(nearest, std::sqrt(du * du + dv * dv));
        }
        return std::clamp((PipRadius + 0.012 - nearest) / 0.024, 0.0, 1.0);
    }

    V3 normal(V3 p) const {
        const double e = 0.0015;
        const V3 k1{1, -1, -1}, k2{-1, -1, 1}, k3{-1, 1, -1}, k4{1, 1, 1};
        return normalised(k1 * distance(p + k1 * e) + k2 * distance(p + k2 * e) +
                          k3 * distance(p + k3 * e) + k4 * distance(p + k4 * e));
    }

    V3 ray(double px, double py) const {
        const double x = (px - centre.x()) / focal, y = -(py - centre.y()) / focal;
        return normalised(forward + right * x + up * y);
    }

    // Distance along the ray to the die, or a negative number when it misses.
    double hit(V3 dir) const {
        const double b = dot(eye, dir), c = dot(eye, eye) - Reach * Reach;
        const double disc = b * b - c;
        if (disc < 0) return -1;
        double t = -b - std::sqrt(disc);
        const double leave = -b + std::sqrt(disc);
        for (int i = 0; i < 120 && t < leave; ++i) {
            const double d = distance(eye + dir * t);
            if (d < 0.0004) return t;
            t += d * 0.9;
        }
        return -1;
    }

    // Light that reaches a point, softened by the die's outline.
    double lightAt(V3 p, V3 light) const {
        double lit = 1, t = 0.03;
        for (int i = 0; i < 60 && t < 6; ++i) {
            const double d = distance(p + light * t, false);
            lit = std::min(lit, 4.0 * d / t);
            if (lit < 0.001) return 0;
            t += std::clamp(d, 0.02, 0.3);
        }
        return std::clamp(lit, 0.0, 1.0);
    }

    double occlusion(V3 p, V3 n) const {
        double hidden = 0, weight = 1;
        for (int i = 1; i <= 5; ++i) {
            const double h = 0.04 * i;
            hidden += weight * (h - distance(p + n * h));
            weight *= 0.6;
        }
        return std::clamp(1 - 2.5 * hidden, 0.0, 1.0);
    }
};

const V3 Light = normalised(V3{-0.5, 0.4, 1.15});

// The colour of the die where a ray meets it, channels in [0, 1].
V3 shade(const Scene& s, V3 p, V3 dir) {
    const V3 n = s.normal(p);
    const double pip = s.pipCover(p);
    const V3 ivory{0.96, 0.93, 0.84}, ink{0.06, 0.06, 0.08};
    const V3 albedo = ivory * (1 - pip) + ink * pip;
    const double diffuse = std::max(dot(n, Light), 0.0);
    const double sky = 0.55 + 0.45 * n.z;
    const double ao = s.occlusion(p, n);
    const V3 half = normalised(Light - dir);
    const double gloss = diffuse > 0 ? std::pow(std::max(dot(n, half), 0.0), 40) : 0;
    const double sheen = (0.30 - 0.12 * pip) * gloss;
    // Warm light bounces back from the felt onto the lower faces.
    const double bounce = std::max(0.0, -n.z + 0.2) * 0.08;
    const double light = 0.34 * sky * ao + 0.72 * diffuse * (0.7 + 0.3 * ao);
    return V3{albedo.x * (light + bounce * 0.6), albedo.y * (light + bounce),
              albedo.z * (light + bounce * 0.7)} +
           V3{sheen, sheen, sheen};
}

// How much light a point of the table keeps under the die.
double tableLight(const Scene& s, V3 p) {
    const double lit = s.lightAt(p, Light);
    const double near = std::clamp(s.distance(p, false) / 0.7, 0.0, 1.0);
    return (0.5 + 0.5 * lit) * (0.55 + 0.45 * std::sqrt(near));
}

constexpr int Samples = 4; // per pixel and axis

template <class Out> void trace(const Scene& s, QSize size, Out&& out) {
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            V3 colour;
            double cover = 0, tableShade = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const V3 dir = s.ray(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
                    const double t = s.hit(dir);
                    if (t > 0) {
                        colour = colour + shade(s, s.eye + dir * t, dir);
                        cover += 1;
                    } else if (dir.z < 0) {
                        tableShade += tableLight(s, s.eye + dir * ((Table - s.eye.z) / dir.z));
                    } else {
                        tableShade += 1;
                    }
                }
            const double n = Samples * Samples;
            out(x, y, colour * (1 / n), cover / n, tableShade / n);
        }
}

int channel(double v) {
    return std::clamp(int(std::lround(v * 255)), 0, 255);
}

} // namespace

QRectF bounds(const View& view) {
    const Scene s(1, view, Shot{1, QPointF()});
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (int i = 0; i < 8; ++i) {
        const V3 corner{i & 1 ? 1.0 : -1.0, i & 2 ? 1.0 : -1.0, i & 4 ? 1.0 : -1.0};
        const V3 v = s.toWorld * corner - s.eye;
        const double x = dot(v, s.right) / dot(v, s.forward) * s.focal;
        const double y = -dot(v, s.up) / dot(v, s.forward) * s.focal;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QImage onTable(int top, const View& view, const Shot& shot, const QImage& table) {
    const Scene s(top, view, shot);
    QImage out(table.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(table.devicePixelRatio());
    const int w = table.width(), h = table.height();
    // The fade is as wide in logical pixels at any scale, so the tile meets the table alike.
    const double fade = 7.0 * table.devicePixelRatio();
    trace(s, table.size(), [&](int x, int y, V3 c, double cover, double tableShade) {
        // The picture is cut square from the table: the shadow fades out before its edges so
        // that no seam shows around the die.
        const double border = std::min({x + 0.5, w - x - 0.5, y + 0.5, h - y - 0.5});
        const double keep = std::clamp(border / fade, 0.0, 1.0);
        const double open = 1 - cover;
        tableShade = open - (open - tableShade) * keep * keep * (3 - 2 * keep);
        const QColor under = table.pixelColor(x, y);
        auto blend = [&](double die, int ground) {
            return channel(die * cover + ground / 255.0 * tableShade);
        };
        out.setPixel(
            x, y,
            qRgb(blend(c.x, under.red()), blend(c.y, under.green()), blend(c.z, under.blue())));
    });
    return out;
}

QImage alone(int top, const View& view, const Shot& shot, QSize size) {
    const Scene s(top, view, shot);
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    trace(s, size, [&](int x, int y, V3 c, double cover, double) {
        out.setPixel(x, y, qRgba(channel(c.x), channel(c.y), channel(c.z), channel(cover)));
    });
    return out;
}

} // namespace die
