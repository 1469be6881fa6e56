#include "app/Resources.h"

#include <QString>

namespace resources {
namespace {
QString path(const char* kind, int id) {
    return QStringLiteral(":/art/%1%2.png").arg(QLatin1String(kind)).arg(id);
}
} // namespace

QPixmap bitmap(int id) { return QPixmap(path("bitmap", id)); }
QPixmap iconPixmap(int id) { return QPixmap(path("icon", id)); }
QIcon icon(int id) {
    const QPixmap p = iconPixmap(id);
    return p.isNull() ? QIcon() : QIcon(p);
}
QCursor cursor(int id) {
    const QPixmap p(path("cursor", id));
    // The hand's fingertip is the hot spot.
    return p.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(p, p.width() / 3, 0);
}
QPixmap background() { return QPixmap(QStringLiteral(":/art/background.png")); }
} // namespace resources
