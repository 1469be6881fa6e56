#include "rules/desktop/Placement.h"

namespace desktop {

Fit screenFit(const QSize& area) {
    if (area.width() == SmallWidth && area.height() == SmallHeight) return Fit::TopLeft;
    if (area.width() > SmallWidth && area.height() > SmallHeight) return Fit::Centre;
    return Fit::Keep;
}

QPoint centred(const QSize& area, const QSize& window) {
    return {(area.width() - window.width()) / 2, (area.height() - window.height()) / 3};
}

} // namespace desktop
