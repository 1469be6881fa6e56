#pragma once
// Which names the program will write or delete as files of its own folder, whether a package,
// Tarn.ini or the player gave them.
#include <QString>

// Not empty, not "." or "..", and without "/", "\" or a control character (below 0x20, or
// 0x7F), so it can never reach outside the folder nor be mistaken there for another name.
bool isSafeName(const QString& name);

// A safe name that Tarn.ini also stores as it is: it keeps a value without the blanks and quotes
// around it, and a name that would not read back as written could make a record name another
// file.
bool isRecordableName(const QString& name);

// The files that are the program's own in its folder, in any letter case: the player's profile
// and log, the package, qt.conf (Qt reads it beside the program, and it can name plugins) and
// the record of an installed game's copied files. Nothing from outside replaces or removes them.
bool isProgramFile(const QString& name);
