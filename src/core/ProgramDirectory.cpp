#include "core/ProgramDirectory.h"

#include "platform/Platform.h"
#include "platform/ProgramSeed.h"

namespace {
void refuse(platform::Boxes& boxes, const QString& text) {
    boxes.message(nullptr, text, QStringLiteral("Tarnwick 2000"), platform::BoxIcon::Critical);
}
} // namespace

QString openProgramDirectory(const platform::PlaceFacts& facts, const QStringList& dataDirs,
                             platform::Boxes& boxes) {
    const platform::ProgramPlace place = platform::decideProgramPlace(facts);
    if (place.mode == platform::ProgramMode::Portable) return place.dir;

    if (place.dir.isEmpty()) {
        refuse(boxes, QStringLiteral("Tarnwick 2000 keeps your settings and scores in your home "
                                     "folder, but HOME is not set to an absolute path. Set HOME "
                                     "(or XDG_DATA_HOME) and start the game again."));
        return QString();
    }
    const QString data = platform::findInstalledData(dataDirs);
    if (data.isEmpty()) {
        refuse(boxes, QStringLiteral("Tarnwick 2000 cannot find its installed data (Res.pac) in "
                                     "%1. Install the game again, or run it from a writable "
                                     "copy of its program folder.")
                          .arg(dataDirs.join(QStringLiteral(" or "))));
        return QString();
    }
    QString problem = platform::makeWritableDir(place.dir);
    if (problem.isEmpty()) {
        const platform::SeedResult seeded = platform::seedProgramDir(data, place.dir);
        if (!seeded.ok) problem = seeded.problem;
    }
    if (!problem.isEmpty()) {
        refuse(boxes, QStringLiteral("Tarnwick 2000 keeps your settings and scores in %1, but "
                                     "cannot write there (%2).\n\nMake sure your home folder is "
                                     "writable and has free space, or set XDG_DATA_HOME to a "
                                     "writable folder, then start the game again.")
                          .arg(place.dir, problem));
        return QString();
    }
    return place.dir;
}
