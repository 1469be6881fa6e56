// The application icon for the desktop's menus and launchers: the window's die (icon 73),
// rendered afresh at each size of the hicolor theme rather than scaled from 32 pixels.
// Usage: tarnwick_appicon <icon theme folder> <icon name>
// writes <folder>/<n>x<n>/apps/<icon name>.png for every size.
#include "Background.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace appicon {

inline constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The same die, the same face and the same turn as the window's own icon.
QImage paint(int size) {
    return scene::smallDie(size, 5, 24);
}

} // namespace appicon

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <icon theme folder> <icon name>\n", argv[0]);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : appicon::Sizes) {
        const QString folder = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !appicon::paint(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
