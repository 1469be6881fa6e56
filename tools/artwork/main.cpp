// Paints every picture of the game into a folder and writes the resource file that lists them.
// Usage: tarnwick_artwork <output folder> <resource file>
#include "Background.h"
#include "Dice.h"
#include "Icons.h"
#include "Splash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {
bool save(const QImage& image, const QDir& dir, const QString& name, QStringList& listed) {
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    listed << dir.dirName() + QLatin1Char('/') + name;
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> <resource file>\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;

    QStringList listed;
    bool ok = true;
    const QImage background = scene::paint();
    ok &= save(background, dir, QStringLiteral("background.png"), listed);
    for (int place = 1; place <= 6; ++place)
        for (int value = 1; value <= 6; ++value)
            ok &= save(dice::face(place, value, background), dir,
                       QStringLiteral("bitmap%1%2.png").arg(place).arg(value), listed);
    for (int id = 67; id <= 73; ++id)
        ok &= save(icons::icon(id), dir, QStringLiteral("icon%1.png").arg(id), listed);
    ok &= save(icons::pointingHand(), dir, QStringLiteral("cursor74.png"), listed);
    ok &= save(splash::paint(), dir, QStringLiteral("splash.png"), listed);
    if (!ok) return 1;

    // The resource file lies beside the folder, so its entries are relative to it.
    QFile qrc(QString::fromLocal8Bit(argv[2]));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& file : listed)
        out << "    <file>" << file << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok ? 0 : 1;
}
