#pragma once
// Helpers shared by the test programs: a temporary program directory and a scripted platform,
// and a main window loaded on one.
#include "core/Program.h"
#include "windows/main/MainWindow.h"
#include "platform/ScriptedPlatform.h"
#include "windows/settings/SettingsWindow.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
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

QByteArray readBytes(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);

// The main window started on a fresh program directory holding `ini` as Tarn.ini and a test
// language with a short text for every key the window tests read; `setUp` runs just before
// the window is made.
struct TestGame {
    explicit TestGame(const QByteArray& ini = {},
                      const std::function<void(TestProgram&)>& setUp = {});

    template <class T = QWidget> T* find(const QString& name) const {
        return main->findChild<T*>(name);
    }
    // A control of the settings window; several have the same names as the main window's.
    template <class T = QWidget> T* setting(const QString& name) const {
        return main->settingsWindow()->findChild<T*>(name);
    }
    void click(const QString& name) const;
    void roll(std::initializer_list<int> faces);
    QString ini(const QString& section, const QString& key) const;
    QByteArray log() const { return readBytes(t.path(QStringLiteral("Tarn.log"))); }
    // The file names of the sounds played, in order.
    QStringList sounds() const;
    platform::ScriptedBoxes& boxes() { return t.scripted.boxes; }

    TestProgram t;
    std::unique_ptr<Main> main;
    QStringList said; // every message the display showed
};
