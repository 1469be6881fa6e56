// The package reader on arbitrary package bytes: the directory, every name, and extracting every
// entry, a name it does not hold and a few hostile ones into a scratch folder. Nothing may appear
// outside that folder, nothing but plain files inside it, and no extracted file may be larger
// than the package it came from.
// fuzz-links: layer_rules
#include "FuzzCheck.h"
#include "package/UnPackage.h"

#include <QDirIterator>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>

namespace {

struct Fixture {
    Fixture() { fuzz::check(QDir(root).mkpath(QStringLiteral("out/inner")), "no folders"); }
    const QString root = fuzz::scratch().filePath(QStringLiteral("package"));
    const QString package = root + QStringLiteral("/Res.pac");
    const QString out = root + QStringLiteral("/out/inner");
};

// What is in the scratch tree besides the package and the two folders, emptying the inner one.
void checkAndClear(const Fixture& f, qint64 packageSize) {
    QDirIterator it(f.root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (path == f.package || path == f.root + QStringLiteral("/out") || path == f.out) continue;
        fuzz::check(info.path() == f.out, "a file outside the destination", path);
        fuzz::check(info.isFile() && !info.isSymLink(), "not a plain file", path);
        fuzz::check(info.size() <= packageSize, "a file larger than its package", path);
        fuzz::check(QFile::remove(path), "cannot clear", path);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Fixture f;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    fuzz::writeFile(f.package, bytes);

    clsUnPackage pack;
    // Small chunks now and then, so the chunking is fuzzed too.
    pack.Buffer(size > 8 && (data[size - 1] & 1) ? QString::number(1 + data[size - 1] % 16)
                                                 : QStringLiteral("2048"));
    pack.Package(f.package);
    pack.Destination(f.out + QStringLiteral("  "));
    const bool read = pack.Initialise();
    const int n = pack.NumberOfFiles();
    fuzz::check(read == (n > 0) && n <= 255, "a count the package cannot hold");
    fuzz::check(pack.GetFilename(n) == QLatin1String("1") &&
                    pack.GetFilename(-1) == QLatin1String("1"),
                "a name outside the directory");
    for (int i = 0; i < n; ++i) {
        const QString name = pack.GetFilename(i);
        fuzz::check(!pack.ExtractFile(name) || isSafeName(name), "an unsafe name extracted", name);
    }
    for (const char* hostile : {"../escape", "/tmp/escape", "a/b", ".."})
        fuzz::check(!pack.ExtractFile(QLatin1String(hostile)), "a name it must refuse", hostile);
    checkAndClear(f, qint64(size));
    return 0;
}
