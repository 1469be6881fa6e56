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

// The pictures the first frame shows go in as bare pixels (RGB32, row after row), stored
// uncompressed, so the game wraps them without decoding anything. The PNG beside each is for
// people to look at and is not compiled in.
bool saveBare(const QImage& image, const QDir& dir, const QString& name, QStringList& listed) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QFile f(dir.filePath(name + QStringLiteral(".rgb32")));
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (int y = 0; ok && y < pixels.height(); ++y) {
        const auto row = qsizetype(pixels.width()) * 4;
        ok = f.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), row) == row;
    }
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        return false;
    }
    listed << dir.dirName() + QLatin1Char('/') + name + QStringLiteral(".rgb32");
    QStringList shown;
    return save(image, dir, name + QStringLiteral(".png"), shown);
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
    ok &= saveBare(background, dir, QStringLiteral("background"), listed);
    for (int place = 1; place <= 6; ++place)
        for (int value = 1; value <= 6; ++value)
            ok &= save(dice::face(place, value, background), dir,
                       QStringLiteral("bitmap%1%2.png").arg(place).arg(value), listed);
    for (int id = 67; id <= 73; ++id)
        ok &= save(icons::icon(id), dir, QStringLiteral("icon%1.png").arg(id), listed);
    ok &= save(icons::pointingHand(), dir, QStringLiteral("cursor74.png"), listed);
    ok &= saveBare(splash::paint(), dir, QStringLiteral("splash"), listed);
    if (!ok) return 1;

    // The resource file lies beside the folder, so its entries are relative to it.
    QFile qrc(QString::fromLocal8Bit(argv[2]));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& file : listed) {
        // Bare pixels must stay as they are for the game to use them in place.
        const char* keep =
            file.endsWith(QLatin1String(".rgb32")) ? " compression-algorithm=\"none\"" : "";
        out << "    <file" << keep << ">" << file << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok ? 0 : 1;
}
