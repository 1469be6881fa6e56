#include "ui/Resources.h"

#include <QImage>
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

// A picture compiled in as bare pixels (width, height, then premultiplied ARGB32 rows), copied
// out as it lies: nothing to decode on the way to the first frame. Null unless it is there and
// holds exactly the pixels its size says.
QPixmap barePixels(const QString& name) {
    registerOnce();
    const QResource r(QStringLiteral(":/art/") + name + QStringLiteral(".pixels"));
    if (!r.isValid()) return {};
    const QByteArray held =
        r.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(r.data()), qsizetype(r.size()))
            : r.uncompressedData();
    if (held.size() < 8) return {};
    const quint32 width = qFromLittleEndian<quint32>(held.constData());
    const quint32 height = qFromLittleEndian<quint32>(held.constData() + 4);
    constexpr quint32 MaxSide = 4096;
    if (width == 0 || height == 0 || width > MaxSide || height > MaxSide ||
        held.size() != 8 + qsizetype(width) * height * 4)
        return {};
    QImage pixels(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    const auto row = qsizetype(width) * 4;
    for (int y = 0; y < int(height); ++y)
        std::memcpy(pixels.scanLine(y), held.constData() + 8 + y * row, size_t(row));
    return QPixmap::fromImage(std::move(pixels), Qt::NoFormatConversion);
}

} // namespace

QPixmap bitmap(int id) {
    registerOnce();
    return QPixmap(QStringLiteral(":/art/bitmap%1.png").arg(id));
}
QPixmap iconPixmap(int id) {
    return barePixels(QStringLiteral("icon%1").arg(id));
}
QIcon icon(int id) {
    const QPixmap p = iconPixmap(id);
    return p.isNull() ? QIcon() : QIcon(p);
}
QCursor cursor(int id) {
    const QPixmap p = barePixels(QStringLiteral("cursor%1").arg(id));
    // The hand's fingertip is the hot spot.
    return p.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(p, p.width() / 3, 0);
}
QPixmap background() {
    return barePixels(QStringLiteral("background"));
}
QPixmap splash() {
    return barePixels(QStringLiteral("splash"));
}

void paintPicture(QWidget* widget, const QPixmap& picture) {
    QPainter p(widget);
    if (!picture.isNull()) {
        p.drawPixmap(0, 0, picture);
    } else {
        p.fillRect(widget->rect(), QColor(0x10, 0x3a, 0x22));
    }
}
} // namespace resources
