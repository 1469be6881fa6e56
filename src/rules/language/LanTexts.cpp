#include "rules/language/LanTexts.h"

#include "core/Program.h"
#include "rules/game/Categories.h"
#include "rules/language/LanguageFile.h"
#include "core/Profile.h"

namespace language {
namespace {

// A control whose caption or tooltip is one language text as it stands.
struct Keyed {
    Window window;
    const char* control;
    const char* key;
};

constexpr Keyed HelpTips[] = {
    {Window::Main, "Minimera", "h8"},     {Window::Main, "Avsluta", "h9"},
    {Window::Main, "Homepage", "s6"},     {Window::Main, "lb_User", "s2"},
    {Window::Main, "SoundPic", "h2"},     {Window::Main, "Titellist", "h7"},
    {Window::Main, "Rolls", "h3"},        {Window::Main, "Mrolls", "h4"},
    {Window::Main, "lblHelp", "s26"},     {Window::Settings, "Command1", "h5"},
    {Window::Settings, "Command2", "h6"},
};

constexpr Keyed SettingsCaptions[] = {
    {Window::Settings, "Frame4", "s3"},    {Window::Settings, "Check2", "s4"},
    {Window::Settings, "Check4", "s5"},    {Window::Settings, "Check3", "s6"},
    {Window::Settings, "Frame3", "s7"},    {Window::Settings, "Check1", "s8"},
    {Window::Settings, "Frame1", "s14"},   {Window::Settings, "Frame5", "s15"},
    {Window::Settings, "Check5", "s16"},   {Window::Settings, "Check7", "s17"},
    {Window::Settings, "Check8", "s27"},   {Window::Settings, "Command4", "s25"},
    {Window::Settings, "lblEnter", "s23"}, {Window::Settings, "Check6", "s20"},
};

} // namespace

QString toppTip(const QString& h1, const QString& points) {
    return QLatin1Char(' ') + h1 + QStringLiteral("  (") + points + QStringLiteral(" p) ");
}

QString userCaption(const QString& name, const QString& noUser) {
    if (!name.isEmpty()) return name;
    return noUser.isEmpty() ? QStringLiteral("No user") : noUser;
}

LanInputs readLanInputs(const Program& program) {
    const QString ini = program.iniPath();
    const QString users = QStringLiteral("Users");
    const QString highscore = QStringLiteral("Highscore");
    LanInputs in;
    in.settingsMode = program.settingsMode;
    in.showHelpText =
        profile::switchY(QStringLiteral("Options"), QStringLiteral("ShowHelpText"), ini);
    for (int place = 1; place <= 10; ++place)
        in.points << GetINI(highscore, QStringLiteral("p%1").arg(place), ini);
    in.users = profile::readNumber(users, QStringLiteral("antal"), ini);
    const QString selected = GetINI(users, QStringLiteral("selected"), ini);
    in.userName = GetINI(users, QStringLiteral("user") + selected, ini);
    in.languageName = selectedLanguageName(ini);
    in.author = author(program.languageFile);
    return in;
}

QList<Assignment> lanTexts(const LanInputs& in, const Lookup& text) {
    QList<Assignment> out;
    auto caption = [&out](Window w, const QString& control, const QString& value) {
        out.append({w, control, Property::Caption, value});
    };
    auto tip = [&out](Window w, const QString& control, const QString& value) {
        out.append({w, control, Property::ToolTip, value});
    };
    auto t = [&text](const char* key) { return text(QLatin1String(key)); };
    const QString& mode = in.settingsMode;

    QString title = mode == QLatin1String("user") ? t("s2") : t("s19");
    if (mode == QLatin1String("alarm")) title = t("s18");
    caption(Window::Settings, {}, title);

    // Help tooltips are cleared, not left as designed, when the player turns them off.
    for (const Keyed& h : HelpTips)
        tip(h.window, QLatin1String(h.control), in.showHelpText ? padded(t(h.key)) : QString());

    caption(Window::Main, QStringLiteral("lbl_Roll"), t("s24"));
    caption(Window::Main, QStringLiteral("disp_Bonus"), QStringLiteral("  BONUS"));
    caption(Window::Main, QStringLiteral("disp_Total"), QStringLiteral("  ") + t("d2").toUpper());
    for (const Category& c : Categories)
        caption(Window::Main, QLatin1String(c.label), QStringLiteral("  ") + t(c.nameKey));
    caption(Window::Main, QStringLiteral("NyttSpel"), t("s5"));
    caption(Window::Main, QStringLiteral("lblSett"), t("s19"));

    caption(Window::Menu, QStringLiteral("www_homepage"), t("s6"));

    for (int place = 1; place <= 10; ++place) {
        const QString points = place <= in.points.size() ? in.points[place - 1] : QString();
        tip(Window::Main, QStringLiteral("Topp%1").arg(place, 2, 10, QLatin1Char('0')),
            in.showHelpText ? toppTip(t("h1"), points) : QString());
    }

    caption(Window::Main, QStringLiteral("lb_User"), userCaption(in.userName, t("s1")));

    caption(Window::Settings, QStringLiteral("setTranslate"), t("s28"));
    // The button asks the clearing question without its question mark; an empty question
    // leaves an empty caption like any other missing text.
    QString clear = t("b7");
    clear.chop(1);
    caption(Window::Settings, QStringLiteral("Command3"), clear);

    if (mode == QLatin1String("all")) {
        caption(Window::Settings, QStringLiteral("Frame2"), t("s2"));
        caption(Window::Settings, QStringLiteral("Frame7"), t("s18"));
    } else if (mode == QLatin1String("user")) {
        caption(Window::Settings, QStringLiteral("Frame2"), QString());
    } else if (mode == QLatin1String("alarm")) {
        caption(Window::Settings, QStringLiteral("Frame7"), QString());
    }

    for (const Keyed& c : SettingsCaptions)
        caption(c.window, QLatin1String(c.control), t(c.key));
    for (const char* control : {"Frame6", "lblInfo", "lblInfo2", "Label2"})
        tip(Window::Settings, QLatin1String(control), padded(t("s9")));
    const QChar lf(10);
    caption(Window::Settings, QStringLiteral("lblInfo"),
            t("s10") + QLatin1Char(' ') + lf + lf + t("s11") + lf + t("s12") + lf + t("s13") + lf);
    tip(Window::Settings, QStringLiteral("List1"),
        padded(t("s21")) + in.languageName + QStringLiteral("  (") + in.author +
            QStringLiteral(") "));
    // A missing or damaged count means no users, as everywhere else.
    if (in.users > 0) {
        tip(Window::Settings, QStringLiteral("List3"),
            padded(t("s22")) + in.userName + QLatin1Char(' '));
        caption(Window::Settings, QStringLiteral("List3"), in.userName);
    } else {
        tip(Window::Settings, QStringLiteral("List3"), padded(t("s1")));
        caption(Window::Settings, QStringLiteral("List3"), t("s1"));
    }
    tip(Window::Settings, QStringLiteral("lblEnter"), t("s23"));
    return out;
}

} // namespace language
