#include "rules/translate/Translation.h"

#include "core/LanguageKeys.h"
#include "core/Profile.h"
#include "core/Program.h"
#include "platform/FileNames.h"
#include "platform/ProfileFile.h"
#include "rules/language/LanguageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace translate {
namespace {

const QString NewSuffix = QStringLiteral(".nla");
const QString ModSuffix = QStringLiteral(".mla");
const QString LanSuffix = QStringLiteral(".lan");

// A registry or process count as far as it is believed: never negative, and never so large that
// one more would overflow.
qint64 countOf(const TarnIni& ini, const ini::NumberKey& key) {
    return std::clamp<qint64>(ini.get(key), 0, 1'000'000'000);
}

// How many numbered entries a count lets a walk look at.
qint64 walkedCount(const TarnIni& ini, const ini::NumberKey& key) {
    return std::min(countOf(ini, key), TarnIni::MaxEntries);
}

bool hasSuffix(const QString& name, const QString& suffix) {
    return name.size() > suffix.size() && name.endsWith(suffix, Qt::CaseInsensitive);
}

// Copies a language file whole, or not at all: the copy appears under its name only once it is
// complete. Only a regular file no larger than a profile file can be is copied.
Outcome copyLanguageFile(const QString& from, const QString& to) {
    const QFileInfo source(from);
    if (!source.isFile())
        return Outcome::failed(QStringLiteral("%1 was not found.").arg(source.fileName()));
    if (source.size() > profile::MaxFileSize)
        return Outcome::failed(
            QStringLiteral("%1 is too large to be a language file.").arg(source.fileName()));
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return Outcome::failed(QStringLiteral("%1 could not be copied to %2.")
                                   .arg(source.fileName(), QFileInfo(to).fileName()));
    const QByteArray bytes = in.read(profile::MaxFileSize + 1);
    if (bytes.size() > profile::MaxFileSize || out.write(bytes) != bytes.size() || !out.commit())
        return Outcome::failed(QStringLiteral("%1 could not be copied to %2.")
                                   .arg(source.fileName(), QFileInfo(to).fileName()));
    return {};
}

// The registry entry whose file is `name`; 0 when there is none.
qint64 registered(const TarnIni& ini, const QString& name) {
    const qint64 count = walkedCount(ini, ini::language::antal);
    for (qint64 n = 1; n <= count; ++n)
        if (ini.get(ini::language::path, n).compare(name, Qt::CaseInsensitive) == 0) return n;
    return 0;
}

// The last process still under way, or 0.
qint64 lastUnderWay(const TarnIni& ini) {
    const QList<UnderWay> all = processesUnderWay(ini);
    return all.isEmpty() ? 0 : all.last().number;
}

} // namespace

QStringList languageNames(const TarnIni& ini) {
    QStringList names;
    const qint64 count = walkedCount(ini, ini::language::antal);
    for (qint64 n = 1; n <= count; ++n)
        names << ini.get(ini::language::name, n);
    return names;
}

QList<UnderWay> processesUnderWay(const TarnIni& ini) {
    QList<UnderWay> all;
    const qint64 count = walkedCount(ini, ini::process::count);
    for (qint64 n = 1; n <= count; ++n)
        if (ini.get(ini::process::state, n) == Processing)
            all.append({n, ini.get(ini::process::national, n)});
    return all;
}

qint64 runningCount(const TarnIni& ini) {
    return ini.get(ini::process::running);
}

qint64 currentProcess(const TarnIni& ini) {
    const qint64 current = ini.get(ini::process::current);
    return current >= 1 && current <= countOf(ini, ini::process::count) ? current : 0;
}

void makeCurrent(TarnIni& ini, qint64 process) {
    ini.set(ini::process::current, process);
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

bool isWorkName(const QString& name) {
    return isRecordableName(name) && !isProgramFile(name);
}

Outcome startNewLanguage(Program& program, const QString& author, const QString& national,
                         const QString& international, const QDate& today) {
    const QString name = international.trimmed();
    if (author.trimmed().isEmpty() || national.trimmed().isEmpty() || name.isEmpty())
        return Outcome::failed(QStringLiteral("You must fill in ALL fields."));
    const QString work = name + NewSuffix;
    if (!isWorkName(work) || !isWorkName(name + LanSuffix))
        return Outcome::failed(
            QStringLiteral("The name in English becomes the language's file name, so it cannot "
                           "hold / or \\, quotes around it or control characters."));

    TarnIni& ini = program.ini;
    const qint64 n = countOf(ini, ini::process::count) + 1;
    {
        TarnIni::Batch batch(ini);
        ini.set(ini::process::count, n);
        ini.set(ini::process::running, std::max<qint64>(runningCount(ini), 0) + 1);
        ini.set(ini::process::current, n);
        ini.set(ini::process::workFile, n, work);
        ini.set(ini::process::national, n, national);
        ini.set(ini::process::international, n, name);
        ini.set(ini::process::author, n, author);
        ini.set(ini::process::step, n, QStringLiteral("1"));
        ini.set(ini::process::state, n, Processing);
    }
    if (ini.get(ini::process::workFile, n) != work)
        return Outcome::failed(QStringLiteral("Tarn.ini could not be written."));

    // A work file of the same name is an earlier start of this language: its texts stay.
    const QString date = dateText(today);
    const QString s = language::InfoSection;
    const bool written =
        profile::writeStrings({{s, QStringLiteral("Author"), author},
                               {s, QStringLiteral("International"), name},
                               {s, QStringLiteral("National"), national},
                               {s, QStringLiteral("Version"), Program::languageFileVersion},
                               {s, QStringLiteral("Filename"), name + LanSuffix},
                               {s, QStringLiteral("ForTWVersion"), Program::targetProgramVersion},
                               {s, QStringLiteral("Date"), date},
                               {s, QStringLiteral("Format"), QStringLiteral("yyyy-mm-dd")},
                               {s, QStringLiteral("Status"), QStringLiteral("Inofficial")}},
                              program.file(work));
    if (!written) return Outcome::failed(QStringLiteral("%1 could not be written.").arg(work));
    return {};
}

Outcome prepareModification(Program& program, const QString& name, Job& job) {
    TarnIni& ini = program.ini;
    job.mode = Mode::Mod;
    const QStringList names = languageNames(ini);
    if (const qsizetype at = names.lastIndexOf(name); at >= 0) job.language = at + 1;
    const QString file = ini.get(ini::language::path, job.language);
    if (!hasSuffix(file, LanSuffix) || !isWorkName(file))
        return Outcome::failed(
            QStringLiteral("The language \"%1\" has no language file that can be modified.")
                .arg(name));
    job.languageFile = program.file(file);
    const QString work = workFile(program, job);
    // The marker says a modification is under way: its work file holds what was done so far.
    if (ini.get(ini::language::marker, job.language) != profile::Yes || !QFileInfo(work).isFile()) {
        const Outcome copied = copyLanguageFile(job.languageFile, work);
        if (!copied.ok) return copied;
        ini.set(ini::language::marker, job.language, profile::Yes);
    }
    return {};
}

QString referenceFile(const Program& program) {
    return program.file(language::ReferenceFile);
}

QString workFile(const Program& program, const Job& job) {
    if (job.mode == Mode::Mod) {
        const QString name = QFileInfo(job.languageFile).fileName();
        if (!hasSuffix(name, LanSuffix) || !isWorkName(name)) return {};
        return program.file(name.chopped(3) + ModSuffix.mid(1));
    }
    const qint64 current = currentProcess(program.ini);
    const QString name = program.ini.get(ini::process::workFile, current);
    if (!current || !hasSuffix(name, NewSuffix) || !isWorkName(name)) return {};
    return program.file(name);
}

QString editedName(const Program& program, const Job& job) {
    if (job.mode == Mode::Mod) return program.ini.get(ini::language::name, job.language);
    return program.ini.get(ini::process::national, currentProcess(program.ini));
}

int savedStep(const Program& program) {
    const qint64 current = currentProcess(program.ini);
    if (!current) return 1;
    // Fractions are cut off: "12.7" is step 12.
    const QString stored = program.ini.get(ini::process::step, current).trimmed();
    bool ok = false;
    const double step = stored.toDouble(&ok);
    return ok && step >= 1 && step < 1e9 ? int(step) : 1;
}

void keepStep(Program& program, int step) {
    if (const qint64 current = currentProcess(program.ini))
        program.ini.set(ini::process::step, current, QString::number(step));
}

bool storeText(const QString& workFile, const QString& key, const QString& text) {
    if (GetINI(language::LanguageSection, key, workFile) == profile::asRead(text)) return true;
    return SetINI(language::LanguageSection, key, text, workFile);
}

Outcome saveNewLanguage(Program& program) {
    TarnIni& ini = program.ini;
    const qint64 current = currentProcess(ini);
    const QString work = ini.get(ini::process::workFile, current);
    if (!current || !hasSuffix(work, NewSuffix) || !isWorkName(work))
        return Outcome::failed(QStringLiteral("No new language is under way."));
    const QString name = ini.get(ini::process::national, current) + QStringLiteral(" (new)");
    const qint64 n = countOf(ini, ini::language::antal) + 1;
    {
        TarnIni::Batch batch(ini);
        ini.set(ini::language::antal, n);
        ini.set(ini::language::selected, n);
        ini.set(ini::language::name, n, name);
        ini.set(ini::language::path, n, work);
        ini.set(ini::language::marker, n, profile::No);
        ini.set(ini::process::state, current, QStringLiteral(" "));
        ini.set(ini::process::running, std::max<qint64>(runningCount(ini) - 1, 0));
        ini.set(ini::process::current, lastUnderWay(ini));
    }
    if (ini.get(ini::language::path, n) != work)
        return Outcome::failed(QStringLiteral("Tarn.ini could not be written."));
    program.log.AppendLog(QStringLiteral("New language: ") + name.chopped(6));
    return {};
}

Outcome saveModification(Program& program, const Job& job, const QString& author,
                         const QDate& today) {
    const QString work = workFile(program, job);
    const QString international = language::international(work);
    const QString name = international + QStringLiteral("2") + LanSuffix;
    if (work.isEmpty() || international.isEmpty() || !isWorkName(name))
        return Outcome::failed(QStringLiteral(
            "The language has no English name to save it under (International in its Info "
            "section)."));
    const QString file = program.file(name);
    const Outcome copied = copyLanguageFile(work, file);
    if (!copied.ok) return copied;
    const QString s = language::InfoSection;
    if (!profile::writeStrings({{s, QStringLiteral("Version"), Program::languageFileVersion},
                                {s, QStringLiteral("ForTWVersion"), Program::targetProgramVersion},
                                {s, QStringLiteral("Updated"), dateText(today)},
                                {s, QStringLiteral("UpdatedAuthor"), author},
                                {s, QStringLiteral("Status"), QStringLiteral("Inofficial")}},
                               file))
        return Outcome::failed(QStringLiteral("%1 could not be written.").arg(name));

    TarnIni& ini = program.ini;
    const QString national = language::national(file);
    if (const qint64 known = registered(ini, name)) {
        // Saved before: the entry is there already, and the saved language is the one to use.
        ini.set(ini::language::selected, known);
    } else {
        const qint64 n = countOf(ini, ini::language::antal) + 1;
        TarnIni::Batch batch(ini);
        ini.set(ini::language::antal, n);
        ini.set(ini::language::selected, n);
        ini.set(ini::language::name, n, national + QStringLiteral(" (mod)"));
        ini.set(ini::language::path, n, name);
        ini.set(ini::language::marker, n, profile::No);
    }
    program.log.AppendLog(QStringLiteral("Modified language: ") + national);
    return {};
}

QStringList mailFilters() {
    return {QStringLiteral("Language files (*.lan *2.lan)"),
            QStringLiteral("New languages (*.lan)"), QStringLiteral("Modified languages (*2.lan)"),
            QStringLiteral("Unsaved languages (*.nla *.mla)")};
}

platform::MailMessage languageMail(const QString& path, const QDate& date, const QString& time) {
    const QLocale english(QLocale::English);
    return {QStringLiteral("TW Translate: ") + language::international(path),
            QStringLiteral("%1 %2 %3 @ %4")
                .arg(date.day())
                .arg(english.monthName(date.month()))
                .arg(date.year(), 4, 10, QLatin1Char('0'))
                .arg(time),
            path};
}

} // namespace translate
