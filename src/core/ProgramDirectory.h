#pragma once
// The program directory for this run: beside the executable for a portable copy, or the
// player's own folder for an installed game, created and filled from the installed data. Decided
// once, before anything reads or writes a file of the game.
#include "platform/ProgramPlace.h"

#include <QString>
#include <QStringList>

namespace platform {
class Boxes;
}

// The directory ready for use, or "" after one Critical box that names it and says what to do;
// the program then ends without having written anything of the game.
QString openProgramDirectory(const platform::PlaceFacts& facts, const QStringList& dataDirs,
                             platform::Boxes& boxes);
