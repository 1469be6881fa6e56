// Writes the resource package (layout in src/package/PackageFormat.h) from a list of files,
// each stored under its base name: tarnwick_pack <output> <file>...
// The package is written beside the output and renamed over it only when complete.
#include "package/PackageFormat.h"
#include "platform/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QString>

#include <cstdio>

namespace {

struct Entry {
    QString path;
    QString name;
    QByteArray storedName; // Windows-1252
    qint64 size = 0;
};

int fail(const QString& what) {
    std::fprintf(stderr, "tarnwick_pack: %s\n", qPrintable(what));
    return 1;
}

// The name as the package stores it, or an explanation of why it cannot be stored.
bool encodeName(const QString& name, QByteArray* stored, QString* problem) {
    for (const char32_t c : name.toUcs4()) {
        // The game unpacks no name with a control character or a backslash in it.
        if (c < 0x20 || c == 0x7F || c == U'\\') {
            *problem = QStringLiteral("the game would not unpack a name with a control "
                                      "character or a backslash");
            return false;
        }
        const int byte = cp1252::fromUnicode(c);
        if (byte < 0) {
            *problem = QStringLiteral("the name has a character that Windows-1252 lacks");
            return false;
        }
        stored->append(char(byte));
    }
    if (stored->size() > package::MaxNameBytes) {
        *problem = QStringLiteral("the name is longer than %1 bytes").arg(package::MaxNameBytes);
        return false;
    }
    return true;
}

bool copyInto(QSaveFile& out, const Entry& e, QString* problem) {
    QFile in(e.path);
    if (!in.open(QIODevice::ReadOnly)) {
        *problem = in.errorString();
        return false;
    }
    QByteArray buffer(qsizetype(64) * 1024, Qt::Uninitialized);
    for (qint64 left = e.size; left > 0;) {
        const qint64 n = in.read(buffer.data(), qMin<qint64>(left, buffer.size()));
        if (n <= 0) {
            *problem = QStringLiteral("the file shrank while it was packed");
            return false;
        }
        if (out.write(buffer.constData(), n) != n) {
            *problem = out.errorString();
            return false;
        }
        left -= n;
    }
    if (!in.atEnd()) {
        *problem = QStringLiteral("the file grew while it was packed");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output> <file>...\n",
                     argc > 0 ? argv[0] : "tarnwick_pack");
        return 2;
    }
    const int count = argc - 2;
    if (count > package::MaxFiles)
        return fail(QStringLiteral("%1 files given; a package holds at most %2")
                        .arg(count)
                        .arg(package::MaxFiles));

    QList<Entry> entries;
    for (int i = 2; i < argc; ++i) {
        Entry e;
        e.path = QFile::decodeName(argv[i]);
        const QFileInfo info(e.path);
        if (!info.isFile()) return fail(e.path + QStringLiteral(": not a regular file"));
        e.name = info.fileName();
        e.size = info.size();
        QString problem;
        if (!encodeName(e.name, &e.storedName, &problem)) return fail(e.path + ": " + problem);
        if (e.size > package::MaxFileBytes)
            return fail(e.path +
                        QStringLiteral(": larger than %1 bytes").arg(package::MaxFileBytes));
        // The game finds a file by its name ignoring letter case and takes the last one, so an
        // earlier file of the same name could never be unpacked.
        for (const Entry& other : entries)
            if (other.name.compare(e.name, Qt::CaseInsensitive) == 0)
                return fail(e.path + QStringLiteral(": the name of %1 as well (letter case does "
                                                    "not tell names apart)")
                                         .arg(other.path));
        entries << e;
    }

    QByteArray head;
    head.append(package::Magic, sizeof package::Magic);
    head.append(3, '\0');
    head.append(char(count));
    for (const Entry& e : entries) {
        unsigned char entry[package::EntrySize];
        entry[0] = static_cast<unsigned char>(e.storedName.size());
        package::writeInt32(entry + 1, qint32(e.size));
        head.append(reinterpret_cast<const char*>(entry), sizeof entry);
    }
    for (const Entry& e : entries)
        head.append(e.storedName);

    const QString output = QFile::decodeName(argv[1]);
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(head) != head.size())
        return fail(output + ": " + out.errorString());
    for (const Entry& e : entries) {
        QString problem;
        if (!copyInto(out, e, &problem)) return fail(e.path + ": " + problem);
    }
    if (!out.commit()) return fail(output + ": " + out.errorString());
    return 0;
}
