#pragma once
// Which language file is selected, and what a language file says about itself.
#include <QString>

class TarnIni;
struct Program;

namespace language {

// The reference language. It is always shipped, so it is also the file to fall back on.
inline const QString ReferenceFile = QStringLiteral("English.lan");

// Full path of the selected language file: entry `selected` of the language registry in
// section Language of the profile file, and that entry's file name `l<N>p`, relative to the
// program directory. A file name that differs from the file on disk only in letter case
// (registries written on a case-blind system) still finds it.
//
// Falls back on the reference file in the program directory when the registry is missing or
// damaged (`selected` not a number from 1 to `antal`, no `l<N>p` for it), when the file named
// is not there, or when it holds none of the program's texts. Without a reference file either,
// the path names the missing reference file and every text reads as empty.
QString locateLanguageFile(const QString& programDir, const TarnIni& ini);

// Locates the selected language and makes it the program's LanguageFile.
void useSelectedLanguage(Program& program);

// Display name `l<N>n` of the selected language in the registry; "" when there is none.
QString selectedLanguageName(const TarnIni& ini);

// A value of the Info section of a language file; "" when missing.
QString info(const QString& key, const QString& languageFile);

// The language's English name: the "lan" parameter of web addresses and the base of the
// file names of its copies.
QString international(const QString& languageFile);
// The language's own name for itself.
QString national(const QString& languageFile);
// The translator.
QString author(const QString& languageFile);

} // namespace language
