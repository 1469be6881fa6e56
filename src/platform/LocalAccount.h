#pragma once
// Who runs the game on which machine, for addresses the player has not set.
#include <QString>

namespace platform {

// The login name: the password database's entry for the real user, else $USER or $LOGNAME;
// empty when none is known.
QString loginName();

// The machine's host name; empty when unknown.
QString hostName();

} // namespace platform
