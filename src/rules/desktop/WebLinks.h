#pragma once
// The game's links to its web site: the menu's three pages and the help label. Each is an
// Internet key of Tarn.ini, a line for the log, and whether the page is asked for in the
// player's language.
#include "core/ProfileSchema.h"

#include <QString>

namespace desktop {

struct WebLink {
    const char* logLine;
    ini::TextKey address;
    bool withLanguage;
};

inline constexpr WebLink Home{"Visit homepage (Home)", ini::internet::home, true};
inline constexpr WebLink Signup{"Visit homepage (Signup)", ini::internet::signup, true};
inline constexpr WebLink Sms{"Visit homepage (SMS Service)", ini::internet::sms, false};
inline constexpr WebLink Help{"Visit homepage (Help)", ini::internet::help, true};

// The page's address: the stored value, with "?lan=" and the language's code where the link
// asks for it.
inline QString webAddress(const WebLink& link, const QString& stored, const QString& code) {
    return link.withLanguage ? stored + QStringLiteral("?lan=") + code : stored;
}

} // namespace desktop
