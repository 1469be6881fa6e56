#include "core/Program.h"

#include "core/BuiltIn.h"
#include "core/Profile.h"

QString Program::text(const QString& key) const {
    const QString own =
        languageFile.isEmpty() ? QString() : GetINI(language::LanguageSection, key, languageFile);
    // What the selected language lacks, or leaves empty, is said in English rather than not at all.
    return own.isEmpty() ? builtin::englishText(key) : own;
}
