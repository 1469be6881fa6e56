#include "ui/Resources.h"

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
    registerOnce();
    return QPixmap(QStringLiteral(":/art/background.png"));
}
QPixmap splash() {
    registerOnce();
    return QPixmap(QStringLiteral(":/art/splash.png"));
}
} // namespace resources
