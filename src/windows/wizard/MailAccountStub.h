#pragma once
// Stand-in until the mail settings land in core.
#include "core/TarnIni.h"
#include "platform/Platform.h"
namespace wizard {
inline platform::MailAccount mailAccount(const TarnIni&) {
    return {QStringLiteral("smtp://localhost:25"),
            {},
            {},
            QStringLiteral("tarnwick@localhost"),
            QStringLiteral("translations@tarnwick.example.org")};
}
inline const QString mailKeysHint =
    QStringLiteral("Set Server, User, Password, From and To in the Mail section of Tarn.ini.");
} // namespace wizard
