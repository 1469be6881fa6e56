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
#include <QtEndian>

#include <cstdio>

namespace {
const QString HighDensity = QStringLiteral("2x");
// rcc packs a file only when that saves at least the threshold's percentage; the dense
// pictures are worth packing for any saving.
const char* const PackedBare = " compression-algorithm=\"zstd\" threshold=\"1\"";

bool save(const QImage& image, const QDir& dir, const QString& name, QStringList& listed) {
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    listed << dir.dirName() + QLatin1Char('/') + name;
    return true;
}

// The pictures the first frame shows go in as bare pixels, stored uncompressed, so the game
// uses them without decoding anything: the width and the height (32 bits each, little end
// first), then the rows of premultiplied ARGB32. The PNG beside each is for people to look at
// and is not compiled in.
bool saveBare(const QImage& image, const QDir& dir, const QString& name, QStringList& listed) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes(8, '\0');
    qToLittleEndian<quint32>(quint32(pixels.width()), bytes.data());
    qToLittleEndian<quint32>(quint32(pixels.height()), bytes.data() + 4);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)),
                     qsizetype(pixels.width()) * 4);
    QFile f(dir.filePath(name + QStringLiteral(".pixels")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        return false;
    }
    listed << dir.dirName() + QLatin1Char('/') + name + QStringLiteral(".pixels");
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
    bool ok = dir.mkpath(HighDensity);
    // Every picture twice: as it is, and repainted at twice the resolution for screens of a
    // device pixel ratio above 1, in the folder "2x" under the same name.
    for (int scale : {1, 2}) {
        const QString in = scale == 1 ? QString() : HighDensity + QLatin1Char('/');
        const QImage background = scene::paint(scale);
        ok &= saveBare(background, dir, in + QStringLiteral("background"), listed);
        for (int place = 1; place <= 6; ++place)
            for (int value = 1; value <= 6; ++value)
                ok &= save(dice::face(place, value, background, scale), dir,
                           in + QStringLiteral("bitmap%1%2.png").arg(place).arg(value), listed);
        for (int id = 67; id <= 73; ++id)
            ok &= saveBare(icons::icon(id, scale), dir, in + QStringLiteral("icon%1").arg(id),
                           listed);
        ok &= saveBare(icons::pointingHand(scale), dir, in + QStringLiteral("cursor74"), listed);
        ok &= saveBare(splash::paint(scale), dir, in + QStringLiteral("splash"), listed);
    }
    if (!ok) return 1;

    // The resource file lies beside the folder, so its entries are relative to it.
    QFile qrc(QString::fromLocal8Bit(argv[2]));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const QString& file : listed) {
        // Bare pixels for the first frame are stored as they are: reading them is one copy, no
        // unpacking. The high-density ones are four times the bytes and wanted only on such
        // screens, so they are packed: a little unpacking there instead of megabytes in the
        // program for everyone.
        const bool bare = file.endsWith(QLatin1String(".pixels"));
        const bool dense = file.contains(QLatin1Char('/') + HighDensity + QLatin1Char('/'));
        const char* how = !bare ? "" : dense ? PackedBare : " compression-algorithm=\"none\"";
        out << "    <file" << how << ">" << file << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok ? 0 : 1;
}
