#include "TestProgram.h"

#include "core/Profile.h"

#include <QFile>

TestProgram::TestProgram() {
    program = std::make_unique<Program>(dir.path(), scripted.platform());
    program->quit = [this] { ++quitCalls; };
}

void TestProgram::useLanguage(const QStringList& lines) {
    const QString file = path(QStringLiteral("Test.lan"));
    writeBytes(file, ("[Language]\r\n" + lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
    // Registered as the selected language, so that a new game selects it too.
    SetINI("Language", "antal", "1", ini());
    SetINI("Language", "selected", "1", ini());
    SetINI("Language", "l1n", "Test", ini());
    SetINI("Language", "l1p", "Test.lan", ini());
    program->languageFile = file;
}

QByteArray packageBytes(const QList<PackedFile>& files) {
    QByteArray directory;
    QByteArray names;
    QByteArray contents;
    for (const PackedFile& f : files) {
        const auto size = quint32(f.bytes.size());
        directory += char(f.name.size());
        for (int shift = 0; shift < 32; shift += 8)
            directory += char((size >> shift) & 0xFF);
        names += f.name;
        contents += f.bytes;
    }
    return QByteArray("LBFP\0\0\0", 7) + char(files.size()) + directory + names + contents;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
