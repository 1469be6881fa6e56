#pragma once
// What the translation tools keep in files: the translations under way (section Process of
// Tarn.ini), the work files beside the language files, and the language registry they add to.
// The wizard and the editor are windows over these operations.
//
// Every file name the tools write to comes from Tarn.ini or from the player and is checked
// first: a plain name in the program directory, never a path, never one of the program's own
// files.
#include "platform/Platform.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct Program;
class TarnIni;

namespace translate {

inline const QString Processing = QStringLiteral("Processing");
// The title of the wizard, the editor and their boxes.
inline const QString ToolsTitle = QStringLiteral("Tarnwick 2000 Translator");

// What the editor works on; the wizard sets it up. For a new language the current process
// (Process pL) names the work file; a modification names its language by registry number.
enum class Mode { New, Mod };
struct Job {
    Mode mode = Mode::New;
    qint64 language = 0;  // registry number of the language modified
    QString languageFile; // its full path
};

// The registry's display names, l1n..l<antal>n.
QStringList languageNames(const TarnIni& ini);

// A translation still under way, as the wizard lists it.
struct UnderWay {
    qint64 number;
    QString name; // p<N>n
};
QList<UnderWay> processesUnderWay(const TarnIni& ini);
// Process p2, the number of translations under way, as stored.
qint64 runningCount(const TarnIni& ini);
// The current process (Process pL), or 0 when it names no process.
qint64 currentProcess(const TarnIni& ini);
void makeCurrent(TarnIni& ini, qint64 process);

// Why a step of the tools did not happen; the texts are for the player.
struct Outcome {
    bool ok = true;
    QString problem;
    static Outcome failed(const QString& why) { return {false, why}; }
};

// "yyyy-mm-dd", the form of the Info dates.
QString dateText(const QDate& date);

// A plain file name the tools may write in the program directory, one that Tarn.ini stores as
// it is: see the file comment.
bool isWorkName(const QString& name);

// Starts a new language: a process record and its work file "<international>.nla" with the Info
// facts. All three names are needed; blanks alone are no name.
Outcome startNewLanguage(Program& program, const QString& author, const QString& national,
                         const QString& international, const QDate& today);

// Sets `job` up to modify the registered language named `name` (the last entry of that name;
// none: the job's language stays). Its work file "<file>.mla" is copied from the language file
// once: while the language's marker l<N>m is "Yes" the copy already made is kept.
Outcome prepareModification(Program& program, const QString& name, Job& job);

// The editor's files. An empty work file means there is nothing to edit (no current process,
// or a name that is not a plain file name).
QString referenceFile(const Program& program);
QString workFile(const Program& program, const Job& job);
// What the editor calls the language it edits.
QString editedName(const Program& program, const Job& job);

// The step a new language was left at (p<N>x), and keeping it.
int savedStep(const Program& program);
void keepStep(Program& program, int step);

// Stores one text in the work file; an unchanged text writes nothing.
bool storeText(const QString& workFile, const QString& key, const QString& text);

// Saves a finished new language: it joins the registry as the selected language, its process
// ends, the last process still under way becomes the current one, and the log says so.
Outcome saveNewLanguage(Program& program);
// Saves a finished modification as "<international>2.lan" with the Info facts of this save,
// registers it once as the selected language, and logs it.
Outcome saveModification(Program& program, const Job& job, const QString& author,
                         const QDate& today);

// The four choices of the file dialog that picks a language file to mail.
QStringList mailFilters();
// The message that carries a language file to the maintainer. `time` is the time of day as the
// player reads it.
platform::MailMessage languageMail(const QString& path, const QDate& date, const QString& time);

} // namespace translate
