#include "rules/language/LanguageFile.h"

#include "core/LanguageKeys.h"
#include "core/Profile.h"
#include "core/Program.h"

#include <QDir>
#include <QFileInfo>

namespace language {
namespace {

// The selected entry of the registry, or 0 when `selected` is not one of its entries.
qint64 selectedEntry(const TarnIni& ini) {
    const qint64 count = ini.get(ini::language::antal);
    const qint64 selected = ini.get(ini::language::selected);
    return selected >= 1 && selected <= count ? selected : 0;
}

// The file `name` in `dir`, matched without regard to case when no file has that exact name;
// "" when there is none. Registries may hold Windows separators.
QString findFile(const QString& dir, QString name) {
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty()) return {};
    QString exact = dir + QLatin1Char('/') + name;
    if (QFileInfo(exact).isFile()) return exact;
    const QFileInfo wanted(exact);
    const QDir parent = wanted.absoluteDir();
    for (const QString& entry : parent.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return parent.filePath(entry);
    }
    return {};
}

// A file that is not a language file at all (a wrong name in the registry, a damaged file)
// would blank every caption; any one text of ours is enough to count as a language file.
bool holdsTexts(const QString& path) {
    for (const QString& key : programKeys())
        if (!GetINI(LanguageSection, key, path).isEmpty()) return true;
    return false;
}

} // namespace

QString locateLanguageFile(const QString& programDir, const TarnIni& ini) {
    if (const qint64 entry = selectedEntry(ini)) {
        const QString name = ini.get(ini::language::path, entry);
        QString path = findFile(programDir, name);
        if (!path.isEmpty() && holdsTexts(path)) return path;
    }
    const QString reference = findFile(programDir, ReferenceFile);
    return reference.isEmpty() ? programDir + QLatin1Char('/') + ReferenceFile : reference;
}

void useSelectedLanguage(Program& program) {
    program.languageFile = locateLanguageFile(program.dir, program.ini);
}

QString selectedLanguageName(const TarnIni& ini) {
    const qint64 entry = selectedEntry(ini);
    return entry ? ini.get(ini::language::name, entry) : QString();
}

QString info(const QString& key, const QString& languageFile) {
    if (languageFile.isEmpty()) return {};
    return GetINI(InfoSection, key, languageFile);
}

QString international(const QString& languageFile) {
    return info(infoKey::International, languageFile);
}

QString national(const QString& languageFile) {
    return info(infoKey::National, languageFile);
}

QString author(const QString& languageFile) {
    return info(infoKey::Author, languageFile);
}

} // namespace language
