#include "platform/DesktopUrl.h"

#include <QDir>

namespace platform {

QUrl desktopUrl(const QString& addressOrPath) {
    if (addressOrPath.isEmpty()) return {};
    if (QDir::isAbsolutePath(addressOrPath)) return QUrl::fromLocalFile(addressOrPath);
    const QUrl url(addressOrPath, QUrl::TolerantMode);
    const QString scheme = url.scheme(); // QUrl keeps schemes in lower case
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

} // namespace platform
