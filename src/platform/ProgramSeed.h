#pragma once
// Filling an installed game's per-user program directory from the read-only installed data.
//
// The default Tarn.ini is copied only when the player has none. The other shipped files (the
// languages, Res.pac, Version.txt, the loose sounds) are copied when missing and replaced when
// the installed one changed since it was copied; the stamp file records what was copied, by
// content hash, so a file the stamp does not name is the player's and is never replaced (their
// own languages, or a name a later version happens to ship too). Tarn.log is never shipped.
// Every copy goes to a temporary name first and is renamed over the old file, so a start
// killed half-way leaves whole files only, and a link in the way is replaced, never followed.
#include <QString>
#include <QStringList>

namespace platform {

// The record of what was copied, hidden in the program directory.
inline QString shippedStampName() {
    return QStringLiteral(".shipped");
}

// Whether a file of the installed data directory is one the game ships and copies.
bool isShippedName(const QString& name);

// Creates dir and its missing parents (mode 0700) and checks that a file can be made in it.
// Returns "" when it is ready, else what is wrong, for the player.
QString makeWritableDir(const QString& dir);

struct SeedResult {
    bool ok = false;
    QString problem;    // for the player, when not ok
    QStringList copied; // the names copied this time
};

// Copies what dataDir ships into dir (which must exist) as described above.
SeedResult seedProgramDir(const QString& dataDir, const QString& dir);

} // namespace platform
