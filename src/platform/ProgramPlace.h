#pragma once
// Where the program keeps its files, decided once at start and never mixed.
//
// Portable: the executable's folder is writable and is a program directory (it holds Tarn.ini,
// or the package Res.pac of a copy whose Tarn.ini was deleted): everything lives beside the
// executable, as it always has.
// Installed: otherwise, for example /usr/bin or ~/.local/bin. Each user gets a program directory
// of their own, $XDG_DATA_HOME/tarnwick (only an absolute XDG_DATA_HOME counts) or else
// ~/.local/share/tarnwick, filled from the installed read-only data (see ProgramSeed.h).
#include <QString>
#include <QStringList>

namespace platform {

enum class ProgramMode { Portable, Installed };

// What the decision depends on, gathered once (observePlace) or made up by tests.
struct PlaceFacts {
    QString exeDir;
    bool exeDirWritable = false;
    bool exeDirHasIni = false;
    bool exeDirHasPackage = false;
    QString xdgDataHome; // as the environment has it: maybe empty or relative
    QString home;
};

struct ProgramPlace {
    ProgramMode mode = ProgramMode::Installed;
    // The program directory; empty when installed and there is no home to put it in.
    QString dir;
};

// The decision itself: no file system, no environment.
ProgramPlace decideProgramPlace(const PlaceFacts& facts);

// The facts for the executable in exeDir, from the file system and the environment.
PlaceFacts observePlace(const QString& exeDir);

// Where an installation keeps its read-only data, best first: relative to the executable (so a
// prefix chosen at install time or a DESTDIR copy works), then the folder the build was
// configured to install to.
QStringList installedDataDirs(const QString& exeDir);

// The first of dirs that holds the shipped package; "" when none does.
QString findInstalledData(const QStringList& dirs);

} // namespace platform
