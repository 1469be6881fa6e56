#include "ui/Fonts.h"

#include <QStringList>

#include <cmath>

namespace fonts {
namespace {
QFont make(const QStringList& families, double points, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}
} // namespace

QFont verdana(double points, bool bold) {
    return make({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, points, bold);
}

QFont sansSerif(double points, bool bold) {
    return make({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, points, bold);
}
} // namespace fonts
