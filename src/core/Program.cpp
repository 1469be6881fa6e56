#include "core/Program.h"

#include "core/Profile.h"

QString Program::text(const QString& key) const {
    if (languageFile.isEmpty()) return {};
    return GetINI(language::LanguageSection, key, languageFile);
}
