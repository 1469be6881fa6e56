#pragma once
// Every section and key of Tarn.ini, each named once with how it reads: text, a switch with its
// rule (Y: on only for exactly "Yes"; N: on unless exactly "No"), a whole number, or a numbered
// family of keys (prefix + number + suffix). Read and write them through TarnIni.
#include <QString>

#include <string_view>

namespace ini {

enum class Rule { Y, N };

struct TextKey {
    const char* section;
    const char* key;
};
struct SwitchKey {
    const char* section;
    const char* key;
    Rule rule;
    friend bool operator==(const SwitchKey& a, const SwitchKey& b) {
        return std::string_view(a.section) == b.section && std::string_view(a.key) == b.key;
    }
};
// A missing value, or one that is not a whole number, reads as 0.
struct NumberKey {
    const char* section;
    const char* key;
};
// key(n) = prefix + n + suffix: user3, p10, l2n.
struct Family {
    const char* section;
    const char* prefix;
    const char* suffix = "";
    QString key(qint64 n) const { return key(QString::number(n)); }
    // The key for a number kept as stored text, which may not be a number at all.
    QString key(const QString& number) const {
        return QLatin1String(prefix) + number + QLatin1String(suffix);
    }
};

namespace options {
inline constexpr SwitchKey PlaySound{"Options", "PlaySound", Rule::Y};
inline constexpr SwitchKey WarnExit{"Options", "WarnExit", Rule::Y};
inline constexpr SwitchKey WarnNewGame{"Options", "WarnNewGame", Rule::Y};
inline constexpr SwitchKey WarnHomepage{"Options", "WarnHomepage", Rule::Y};
inline constexpr SwitchKey ShowSplash{"Options", "ShowSplash", Rule::N};
inline constexpr SwitchKey ShowHelpText{"Options", "ShowHelpText", Rule::Y};
inline constexpr SwitchKey ShowTime{"Options", "ShowTime", Rule::N};
inline constexpr SwitchKey ShowRedSquare{"Options", "ShowRedSquare", Rule::Y};
inline constexpr SwitchKey ShowUser{"Options", "ShowUser", Rule::Y};
inline constexpr SwitchKey WriteLog{"Options", "WriteLog", Rule::N};
inline constexpr SwitchKey NollSlag{"Options", "NollSlag", Rule::Y};
inline constexpr TextKey picture{"Options", "picture"};
} // namespace options

namespace alarm {
inline constexpr TextKey Status{"Alarm", "Status"}; // "On" or "Off"
inline constexpr TextKey When{"Alarm", "When"};
inline constexpr TextKey Mess{"Alarm", "Mess"};
inline const QString On = QStringLiteral("On");
inline const QString Off = QStringLiteral("Off");
} // namespace alarm

namespace users {
inline constexpr NumberKey antal{"Users", "antal"};
// Kept as text: a hand edit may leave anything there.
inline constexpr TextKey selected{"Users", "selected"};
inline constexpr Family user{"Users", "user"};
inline constexpr Family pass{"Users", "pass"};
} // namespace users

namespace highscore {
inline constexpr Family points{"Highscore", "p"};
inline constexpr Family name{"Highscore", "n"};
inline constexpr Family key{"Highscore", "k"};
inline constexpr Family date{"Highscore", "d"};
inline constexpr TextKey alltime{"Highscore", "alltime"}; // points: read with their own rule
inline constexpr TextKey lastName{"Highscore", "name"};
} // namespace highscore

namespace session {
inline constexpr NumberKey total{"Session", "total"};
}

namespace internet {
inline constexpr TextKey help{"Internet", "help"};
inline constexpr TextKey home{"Internet", "home"};
inline constexpr TextKey signup{"Internet", "signup"};
inline constexpr TextKey sms{"Internet", "sms"};
inline constexpr TextKey send{"Internet", "send"};
inline constexpr NumberKey entries{"Internet", "entries"};
} // namespace internet

namespace resources {
inline constexpr NumberKey del{"Resources", "del"};
inline constexpr Family file{"Resources", "del"};
} // namespace resources

namespace language {
inline constexpr NumberKey antal{"Language", "antal"};
inline constexpr NumberKey selected{"Language", "selected"};
inline constexpr Family name{"Language", "l", "n"};
inline constexpr Family path{"Language", "l", "p"};
inline constexpr Family marker{"Language", "l", "m"};
} // namespace language

namespace process {
inline constexpr NumberKey count{"Process", "p"};
inline constexpr NumberKey current{"Process", "pL"};
inline constexpr NumberKey running{"Process", "p2"};
inline constexpr Family workFile{"Process", "p", "p"};
inline constexpr Family national{"Process", "p", "n"};
inline constexpr Family international{"Process", "p", "i"};
inline constexpr Family author{"Process", "p", "a"};
inline constexpr Family step{"Process", "p", "x"};
inline constexpr Family state{"Process", "p", "s"};
} // namespace process

// Where the translation tools mail a finished language file; MailSettings.h fills in what is
// missing.
namespace mail {
inline constexpr TextKey Server{"Mail", "Server"}; // smtp://host:port or smtps://host:port
inline constexpr TextKey User{"Mail", "User"};     // empty: no login
inline constexpr TextKey Password{"Mail", "Password"};
inline constexpr TextKey From{"Mail", "From"};
inline constexpr TextKey To{"Mail", "To"};
} // namespace mail

} // namespace ini
