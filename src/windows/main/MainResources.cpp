// The main window's resources: the sound files shipped in the package Res.pac are unpacked into
// the program directory at every start and recorded in Tarn.ini, and the recorded files are
// deleted when the player leaves.
#include "core/Program.h"
#include "package/UnPackage.h"
#include "platform/ProfileFile.h"
#include "windows/main/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {
// The busy pointer while the files are unpacked, restored however the unpacking ends.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
} // namespace

bool Main::isResourceName(const QString& name) const {
    // The program's own files are never unpacked over nor deleted: a package holding one of
    // their names would otherwise replace the player's profile or the program itself, and
    // leaving would delete it. Nor is anything the program would run: a shared library there
    // (the sound module) is loaded into the game. An installed game's folder holds no
    // executable, but refusing its name there costs nothing.
    if (!isRecordableName(name) || isProgramFile(name)) return false;
    const QString lower = name.toLower();
    if (lower.endsWith(QLatin1String(".so")) || lower.contains(QLatin1String(".so."))) return false;
    return name.compare(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                        Qt::CaseInsensitive) != 0;
}

void Main::Unpack() {
    try {
        // What an unpacking killed half-way left behind.
        profile::removeStaleTemporaries(program_.file(QStringLiteral(".unpacking")));
        clsUnPackage pack;
        pack.Buffer(QStringLiteral("2048"));
        pack.Package(program_.file(QStringLiteral("Res.pac")));
        pack.Destination(program_.dir);
        if (!pack.Initialise()) {
            program_.platform.boxes.message(this, QStringLiteral("Specified package not found."),
                                            QStringLiteral("Tarnwick 2000"),
                                            platform::BoxIcon::Warning);
            return;
        }
        const BusyPointer busy;
        TarnIni& ini = program_.ini;
        QStringList recorded;
        {
            // One replacement of Tarn.ini for the whole record.
            const TarnIni::Batch batch(ini);
            for (int i = 0; i < pack.NumberOfFiles(); ++i) {
                const QString name = pack.GetFilename(i);
                // A name that is never unpacked is not recorded either: leaving would stop at it.
                if (!isResourceName(name)) continue;
                pack.ExtractFile(name);
                recorded << name;
                ini.set(ini::resources::del, recorded.size());
                ini.set(ini::resources::file, recorded.size(), name);
            }
        }
        // Files that are not recorded are never deleted: a record that did not reach the file
        // is a failure to report.
        if (!recorded.isEmpty() && ini.get(ini::resources::del) != recorded.size())
            throw failure::pathFileAccess();
        for (qsizetype k = 1; k <= recorded.size(); ++k)
            if (ini.get(ini::resources::file, k) != recorded[k - 1])
                throw failure::pathFileAccess();
    } catch (const RuntimeFailure& f) {
        failurePath(f, QStringLiteral(", Unpack function"));
    }
}

void Main::DelRes() {
    TarnIni& ini = program_.ini;
    // The count is read from the file, so it is a claim: held to what any numbered family may
    // have. Each key is checked as it is reached.
    const qint64 n = std::clamp<qint64>(ini.get(ini::resources::del), 0, TarnIni::MaxEntries);
    try {
        // One replacement of Tarn.ini, also when a failure stops the walk: the keys handled by
        // then are empty, the rest keep their names.
        const TarnIni::Batch batch(ini);
        for (qint64 k = 1; k <= n; ++k) {
            const QString name = ini.get(ini::resources::file, k);
            // Unpacking neither writes nor records such a name, so no file of ours goes by it:
            // it is as missing as a file that has vanished, and the record stays as it is for
            // the player to see. Deleting it could reach outside the program directory, or
            // delete Tarn.ini itself.
            if (!isResourceName(name)) throw failure::fileNotFound();
            // unlink removes a symbolic link itself, never the file it points to.
            if (::unlink(QFile::encodeName(program_.file(name)).constData()) != 0) {
                if (errno == ENOENT) throw failure::fileNotFound();
                if (errno == EACCES || errno == EPERM || errno == EROFS)
                    throw failure::permissionDenied();
                throw failure::pathFileAccess();
            }
            ini.set(ini::resources::file, k, QString());
        }
        ini.set(ini::resources::del, 0);
    } catch (const RuntimeFailure& f) {
        failurePath(f, QString());
    }
}
