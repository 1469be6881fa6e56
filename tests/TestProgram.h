#pragma once
// A temporary program directory with a scripted platform, for tests of any layer, and reading
// and writing whole files.
#include "core/Program.h"
#include "platform/ScriptedPlatform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A program directory of its own with a scripted platform, for one test.
struct TestProgram {
    TestProgram();
    QString ini() const { return program->iniPath(); }
    QString path(const QString& name) const { return program->file(name); }
    // Writes a language file with the given "key=text" lines, registers it in Tarn.ini as the
    // only language and selects it.
    void useLanguage(const QStringList& lines);

    QTemporaryDir dir;
    platform::ScriptedPlatform scripted;
    std::unique_ptr<Program> program;
    int quitCalls = 0;
};

// A resource package of `files` in order, laid out by hand here so that the tests do not take
// the layout from the code they test.
struct PackedFile {
    QByteArray name; // as stored: Windows-1252
    QByteArray bytes;
};
QByteArray packageBytes(const QList<PackedFile>& files);

QByteArray readBytes(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);
