#include "ui/WebVisit.h"

#include "core/Program.h"
#include "rules/desktop/WebLinks.h"
#include "rules/language/LanguageFile.h"

namespace weblink {

bool visit(Program& program, QWidget* parent, const desktop::WebLink& link,
           const std::function<void()>& beep) {
    const TarnIni& ini = program.ini;
    if (ini.get(ini::options::WarnHomepage) &&
        !program.platform.boxes.askYesNo(parent,
                                         program.text(text::VisitHomepage) + QLatin1Char('?'),
                                         program.text(text::ConfirmTitle), true))
        return false;
    // Only an explicit "No" beeps: a missing key neither asks nor beeps.
    if (beep && ini.raw(ini::options::WarnHomepage) == profile::No) beep();
    program.log.AppendLog(QLatin1String(link.logLine));
    program.platform.shell.open(desktop::webAddress(link, ini.get(link.address),
                                                    language::international(program.languageFile)));
    return true;
}

} // namespace weblink
