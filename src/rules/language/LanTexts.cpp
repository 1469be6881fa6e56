#include "rules/language/LanTexts.h"

#include "core/Program.h"
#include "core/TarnIni.h"
#include "rules/game/Categories.h"
#include "rules/language/LanguageFile.h"
#include "rules/users/UserList.h"

namespace language {
namespace {

// A control whose caption or tooltip is one language text as it stands.
struct Keyed {
    Window window;
    const char* control;
    text::Key key;
};

using namespace text;

constexpr Keyed HelpTips[] = {
    {Window::Main, "Minimera", MinimiseTip},
    {Window::Main, "Avsluta", ExitTip},
    {Window::Main, "Homepage", VisitHomepage},
    {Window::Main, "lb_User", User},
    {Window::Main, "SoundPic", SoundTip},
    {Window::Main, "Titellist", TitleTip},
    {Window::Main, "Rolls", RollsTip},
    {Window::Main, "Mrolls", RollsPerCategoryTip},
    {Window::Main, "lblHelp", HelpPage},
    {Window::Settings, "Command1", AddUserTip},
    {Window::Settings, "Command2", RemoveUserTip},
};

constexpr Keyed SettingsCaptions[] = {
    {Window::Settings, "Frame4", WarnBefore},     {Window::Settings, "Check2", ExitTheGame},
    {Window::Settings, "Check4", StartNewGame},   {Window::Settings, "Check3", VisitHomepage},
    {Window::Settings, "Frame3", Sound},          {Window::Settings, "Check1", Mute},
    {Window::Settings, "Frame1", Language},       {Window::Settings, "Frame5", View},
    {Window::Settings, "Check5", SplashScreen},   {Window::Settings, "Check7", Clock},
    {Window::Settings, "Check8", ShowBestChoice}, {Window::Settings, "Command4", Close},
    {Window::Settings, "lblEnter", EnterUser},    {Window::Settings, "Check6", HelpTexts},
};

} // namespace

QString toppTip(const QString& h1, const QString& points) {
    return QLatin1Char(' ') + h1 + QStringLiteral("  (") + points + QStringLiteral(" p) ");
}

QString userCaption(const QString& name, const QString& noUser) {
    if (!name.isEmpty()) return name;
    return noUser.isEmpty() ? QStringLiteral("No user") : noUser;
}

LanInputs readLanInputs(const Program& program, const QString& settingsMode) {
    const TarnIni& ini = program.ini;
    LanInputs in;
    in.settingsMode = settingsMode;
    in.showHelpText = ini.get(ini::options::ShowHelpText);
    for (int place = 1; place <= 10; ++place)
        in.points << ini.get(ini::highscore::points, place);
    in.users = users::count(ini);
    in.userName = users::selectedName(ini);
    in.languageName = selectedLanguageName(ini);
    in.author = author(program.languageFile);
    return in;
}

namespace {

// Collects the assignments in the order they are applied.
class Texts {
  public:
    Texts(const LanInputs& in, const Lookup& lookup) : in_(in), lookup_(lookup) {}

    // The settings window's title, and the help tooltips of both windows.
    void titleAndHelp() {
        const QString& mode = in_.settingsMode;
        QString title = mode == QLatin1String("user") ? t(User) : t(Settings);
        if (mode == QLatin1String("alarm")) title = t(Alarm);
        caption(Window::Settings, {}, title);
        // Help tooltips are cleared, not left as designed, when the player turns them off.
        for (const Keyed& h : HelpTips)
            tip(h.window, QLatin1String(h.control),
                in_.showHelpText ? padded(t(h.key)) : QString());
    }

    void mainWindow() {
        caption(Window::Main, QStringLiteral("lbl_Roll"), t(RollWord));
        caption(Window::Main, QStringLiteral("disp_Bonus"), QStringLiteral("  BONUS"));
        caption(Window::Main, QStringLiteral("disp_Total"),
                QStringLiteral("  ") + t(Total).toUpper());
        for (const Category& c : Categories)
            caption(Window::Main, QLatin1String(c.label),
                    QStringLiteral("  ") + lookup_(QLatin1String(c.nameKey)));
        caption(Window::Main, QStringLiteral("NyttSpel"), t(StartNewGame));
        caption(Window::Main, QStringLiteral("lblSett"), t(Settings));

        caption(Window::Menu, QStringLiteral("www_homepage"), t(VisitHomepage));

        for (int place = 1; place <= 10; ++place) {
            const QString points = place <= in_.points.size() ? in_.points[place - 1] : QString();
            tip(Window::Main, QStringLiteral("Topp%1").arg(place, 2, 10, QLatin1Char('0')),
                in_.showHelpText ? toppTip(t(SendTip), points) : QString());
        }
        caption(Window::Main, QStringLiteral("lb_User"), userCaption(in_.userName, t(NoUser)));
    }

    void settingsWindow() {
        caption(Window::Settings, QStringLiteral("setTranslate"), t(Translate));
        // The button asks the clearing question without its question mark; an empty question
        // leaves an empty caption like any other missing text.
        QString clear = t(AskClearList);
        clear.chop(1);
        caption(Window::Settings, QStringLiteral("Command3"), clear);

        const QString& mode = in_.settingsMode;
        if (mode == QLatin1String("all")) {
            caption(Window::Settings, QStringLiteral("Frame2"), t(User));
            caption(Window::Settings, QStringLiteral("Frame7"), t(Alarm));
        } else if (mode == QLatin1String("user")) {
            caption(Window::Settings, QStringLiteral("Frame2"), QString());
        } else if (mode == QLatin1String("alarm")) {
            caption(Window::Settings, QStringLiteral("Frame7"), QString());
        }

        for (const Keyed& c : SettingsCaptions)
            caption(c.window, QLatin1String(c.control), t(c.key));
        for (const char* control : {"Frame6", "lblInfo", "lblInfo2", "Label2"})
            tip(Window::Settings, QLatin1String(control), padded(t(About)));
        const QChar lf(10);
        caption(Window::Settings, QStringLiteral("lblInfo"),
                t(Version) + QLatin1Char(' ') + lf + lf + t(GamesPlayed) + lf + t(ScoresSent) + lf +
                    t(BestEver) + lf);
        tip(Window::Settings, QStringLiteral("List1"),
            padded(t(SelectedLanguage)) + in_.languageName + QStringLiteral("  (") + in_.author +
                QStringLiteral(") "));
        // A missing or damaged count means no users, as everywhere else.
        if (in_.users > 0) {
            tip(Window::Settings, QStringLiteral("List3"),
                padded(t(CurrentUser)) + in_.userName + QLatin1Char(' '));
            caption(Window::Settings, QStringLiteral("List3"), in_.userName);
        } else {
            tip(Window::Settings, QStringLiteral("List3"), padded(t(NoUser)));
            caption(Window::Settings, QStringLiteral("List3"), t(NoUser));
        }
        tip(Window::Settings, QStringLiteral("lblEnter"), t(EnterUser));
    }

    QList<Assignment> out;

  private:
    void caption(Window w, const QString& control, const QString& value) {
        out.append({w, control, Property::Caption, value});
    }
    void tip(Window w, const QString& control, const QString& value) {
        out.append({w, control, Property::ToolTip, value});
    }
    QString t(text::Key key) const { return lookup_(key.name()); }

    const LanInputs& in_;
    const Lookup& lookup_;
};

} // namespace

QList<Assignment> lanTexts(const LanInputs& in, const Lookup& lookup) {
    Texts texts(in, lookup);
    texts.titleAndHelp();
    texts.mainWindow();
    texts.settingsWindow();
    return texts.out;
}

QList<Assignment> selectedLanguageTexts(Program& program, const QString& settingsMode) {
    useSelectedLanguage(program);
    return lanTexts(readLanInputs(program, settingsMode),
                    [&program](const QString& key) { return program.text(key); });
}

} // namespace language
