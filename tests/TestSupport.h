#pragma once
// The program's windows on a temporary program directory, for the window tests.
#include "TestProgram.h"
#include "app/Wiring.h"
#include "windows/main/MainWindow.h"
#include "windows/settings/SettingsWindow.h"

#include <QTest>

#include <functional>
#include <memory>

// The program's windows, wired as the program wires them, started on a fresh program directory
// holding `ini` as Tarn.ini, a package Res.pac of one file (Test.wav) and a test language with a
// short text for every key the window tests read; `setUp` runs just before the windows are made.
struct TestGame {
    explicit TestGame(const QByteArray& ini = {},
                      const std::function<void(TestProgram&)>& setUp = {});

    template <class T = QWidget> T* find(const QString& name) const {
        return main->findChild<T*>(name);
    }
    // The settings window while it is loaded, and one of its controls; several have the same
    // names as the main window's.
    frmSettings* settings() const { return windows->settings(); }
    template <class T = QWidget> T* setting(const QString& name) const {
        return settings()->findChild<T*>(name);
    }
    void click(const QString& name) const;
    void roll(std::initializer_list<int> faces);
    void roll(const std::array<int, 6>& faces);
    QString ini(const QString& section, const QString& key) const;
    QByteArray log() const { return readBytes(t.path(QStringLiteral("Tarn.log"))); }
    // The file names of the sounds played, in order.
    QStringList sounds() const;
    platform::ScriptedBoxes& boxes() { return t.scripted.boxes; }

    TestProgram t;
    std::unique_ptr<Wiring> windows;
    Main* main = nullptr;
    QStringList said; // every message the display showed
};
