#include "ui/Resources.h"

#include "ui/Layout.h"

#include <QImage>
#include <QResource>
#include <QString>

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

// A picture compiled in as bare RGB32 pixels, used where it lies: nothing to decode on the way
// to the first frame. Null unless it is there, uncompressed, and exactly that size.
QPixmap barePixels(const char* name, int width, int height) {
    registerOnce();
    const QResource r(QStringLiteral(":/art/%1.rgb32").arg(QLatin1String(name)));
    if (!r.isValid() || r.compressionAlgorithm() != QResource::NoCompression ||
        r.size() != qint64(width) * height * 4)
        return {};
    const QImage pixels(r.data(), width, height, width * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(pixels, Qt::NoFormatConversion);
}

QString path(const char* kind, int id) {
    registerOnce();
    return QStringLiteral(":/art/%1%2.png").arg(QLatin1String(kind)).arg(id);
}
} // namespace

QPixmap bitmap(int id) {
    return QPixmap(path("bitmap", id));
}
QPixmap iconPixmap(int id) {
    return QPixmap(path("icon", id));
}
QIcon icon(int id) {
    const QPixmap p = iconPixmap(id);
    return p.isNull() ? QIcon() : QIcon(p);
}
QCursor cursor(int id) {
    const QPixmap p(path("cursor", id));
    // The hand's fingertip is the hot spot.
    return p.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(p, p.width() / 3, 0);
}
QPixmap background() {
    return barePixels("background", twips::px(layout::WindowWidth),
                      twips::px(layout::WindowHeight));
}
QPixmap splash() {
    return barePixels("splash", twips::px(layout::splash::Width),
                      twips::px(layout::splash::Height));
}
} // namespace resources
