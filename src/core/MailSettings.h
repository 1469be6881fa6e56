#pragma once
// The Mail section of Tarn.ini as the account mail is sent with, defaults filled in.
#include "core/TarnIni.h"
#include "platform/Platform.h"

#include <QString>

namespace mail {

inline const QString DefaultServer = QStringLiteral("smtp://localhost:25");
inline const QString DefaultTo = QStringLiteral("translations@tarnwick.example.org");

// For a box that reports a failed message: where the player changes the account.
inline const QString mailKeysHint =
    QStringLiteral("Set Server, User, Password, From and To in the Mail section of Tarn.ini.");

// "login@host" for the sender nobody set. Characters an address cannot carry unquoted are
// dropped; an empty login becomes "tarnwick" and an empty host "localhost".
QString senderAddress(const QString& login, const QString& host);

// The sender for this user on this machine.
QString defaultSender();

// Server, From and To take their defaults when blank; a blank User means no login. Every value
// is trimmed, as the profile reader trims them all. `defaultFrom` is the sender when From is
// blank.
platform::MailAccount mailAccount(const TarnIni& ini, const QString& defaultFrom = defaultSender());

} // namespace mail
