#include "ui/Resources.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QResource>
#include <QString>
#include <QWidget>
#include <QtEndian>

#include <cstring>

// The pictures are compiled into the core library, and a static library's resources are
// dropped by the linker unless something registers them by name.
static void registerArtwork() {
    Q_INIT_RESOURCE(art);
}

namespace resources {
namespace {
void registerOnce() {
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
}

// A picture compiled in as bare pixels (width, height, then premultiplied ARGB32 rows). The 1x
// ones are stored uncompressed and copied out as they lie: nothing to decode on the way to
// the first frame; the 2x ones are packed and unpacked here. Null unless it is there and holds
// exactly the pixels its size says.
QImage barePixels(const QString& path) {
    const QResource r(path);
    if (!r.isValid()) return {};
    const bool packed = r.compressionAlgorithm() != QResource::NoCompression;
    QByteArray held = packed ? r.uncompressedData()
                             : QByteArray::fromRawData(reinterpret_cast<const char*>(r.data()),
                                                       qsizetype(r.size()));
    if (held.size() < 8) return {};
    const quint32 width = qFromLittleEndian<quint32>(held.constData());
    const quint32 height = qFromLittleEndian<quint32>(held.constData() + 4);
    constexpr quint32 MaxSide = 4096;
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide ||
        held.size() != 8 + qsizetype(width) * height * 4)
        return {};
    const auto row = qsizetype(width) * 4;
    if (packed) {
        // Unpacked into memory of its own: the image keeps it rather than copying megabytes.
        auto* kept = new QByteArray(std::move(held));
        return QImage(
            reinterpret_cast<uchar*>(kept->data()) + 8, int(width), int(height), row,
            QImage::Format_ARGB32_Premultiplied,
            [](void* bytes) { delete static_cast<QByteArray*>(bytes); }, kept);
    }
    QImage pixels(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < int(height); ++y)
        std::memcpy(pixels.scanLine(y), held.constData() + 8 + y * row, size_t(row));
    return pixels;
}

// The variant of `name` for the ratio, from the 2x folder when that scale is wanted, and the
// 1x one should the 2x be missing.
template <class Load> QPixmap variant(const QString& name, qreal devicePixelRatio, Load&& load) {
    registerOnce();
    const int scale = pictureScale(devicePixelRatio);
    if (scale > 1) {
        QPixmap p = load(QStringLiteral(":/art/2x/") + name);
        if (!p.isNull()) {
            p.setDevicePixelRatio(scale);
            return p;
        }
    }
    return load(QStringLiteral(":/art/") + name);
}

QPixmap bare(const QString& name, qreal devicePixelRatio) {
    return variant(name + QStringLiteral(".pixels"), devicePixelRatio, [](const QString& path) {
        return QPixmap::fromImage(barePixels(path), Qt::NoFormatConversion);
    });
}

} // namespace

int pictureScale(qreal devicePixelRatio) {
    return devicePixelRatio > 1 ? 2 : 1;
}

QPixmap bitmap(int id, qreal devicePixelRatio) {
    return variant(QStringLiteral("bitmap%1.png").arg(id), devicePixelRatio,
                   [](const QString& path) { return QPixmap(path); });
}
QPixmap iconPixmap(int id, qreal devicePixelRatio) {
    return bare(QStringLiteral("icon%1").arg(id), devicePixelRatio);
}
QIcon icon(int id, qreal devicePixelRatio) {
    QIcon icon;
    const QPixmap single = iconPixmap(id);
    if (single.isNull()) return icon;
    icon.addPixmap(single);
    if (pictureScale(devicePixelRatio) > 1) {
        const QPixmap dense = iconPixmap(id, devicePixelRatio);
        if (dense.devicePixelRatio() > 1) icon.addPixmap(dense);
    }
    return icon;
}
QCursor cursor(int id, qreal devicePixelRatio) {
    const QPixmap p = bare(QStringLiteral("cursor%1").arg(id), devicePixelRatio);
    if (p.isNull()) return QCursor(Qt::PointingHandCursor);
    // The hand's fingertip is the hot spot, a third across. Qt takes it in logical pixels, but
    // its X11 plugin hands the pixmap's pixels and the hot spot to the server unscaled, so
    // there it must count the pixmap's own pixels.
    const bool unscaled = QGuiApplication::platformName() == QLatin1String("xcb");
    const int across = unscaled ? p.width() : int(p.deviceIndependentSize().width());
    return QCursor(p, across / 3, 0);
}
QPixmap background(qreal devicePixelRatio) {
    return bare(QStringLiteral("background"), devicePixelRatio);
}
QPixmap splash(qreal devicePixelRatio) {
    return bare(QStringLiteral("splash"), devicePixelRatio);
}

const QPixmap& Picture::forRatio(qreal devicePixelRatio) {
    const int scale = pictureScale(devicePixelRatio);
    if (scale != scale_) {
        loaded_ = load_(devicePixelRatio);
        scale_ = scale;
    }
    return loaded_;
}

qreal targetRatio(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* target = engine ? engine->paintDevice() : painter.device();
    return target ? target->devicePixelRatioF() : 1;
}

namespace {
void paintOn(QPainter& p, QWidget* widget, const QPixmap& picture) {
    if (!picture.isNull()) {
        p.drawPixmap(0, 0, picture);
    } else {
        p.fillRect(widget->rect(), QColor(0x10, 0x3a, 0x22));
    }
}
} // namespace

void paintPicture(QWidget* widget, const QPixmap& picture) {
    QPainter p(widget);
    paintOn(p, widget, picture);
}
void paintPicture(QWidget* widget, Picture& picture) {
    QPainter p(widget);
    paintOn(p, widget, picture.forRatio(targetRatio(p)));
}
} // namespace resources
