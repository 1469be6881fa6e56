// The selected language's texts on arbitrary language-file bytes: locating the file, every text
// the program reads (with the built-in English where the file has none), the Info keys, and the
// captions and tooltips a language change would apply.
// fuzz-dict: fuzz_language.dict
#include "FuzzCheck.h"
#include "core/BuiltIn.h"
#include "core/LanguageKeys.h"
#include "core/Profile.h"
#include "core/Program.h"
#include "platform/ProfileFile.h"
#include "platform/ScriptedPlatform.h"
#include "rules/language/LanTexts.h"
#include "rules/language/LanguageFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// A program directory whose Tarn.ini selects the fuzzed language file, with no English.lan
// beside it: what the file lacks comes from the built-in English.
struct Fixture {
    Fixture() {
        fuzz::writeFile(program.iniPath(),
                        "[Options]\r\nShowHelpText=Yes\r\n"
                        "[Users]\r\nantal=1\r\nselected=1\r\nuser1=Bo\r\n"
                        "[Highscore]\r\np1=245\r\n"
                        "[Language]\r\nantal=2\r\nselected=2\r\nl1n=English\r\nl1p=English.lan\r\n"
                        "l2n=Fuzz\r\nl2p=Fuzz.lan\r\n");
    }
    platform::ScriptedPlatform scripted;
    Program program{fuzz::scratch().path(), scripted.platform()};
    const QString lan = program.file(QStringLiteral("Fuzz.lan"));
    const QString reference = program.file(language::ReferenceFile);
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Fixture f;
    Program& program = f.program;
    fuzz::writeFile(f.lan, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // As a language file is: written long before the game reads it.
    fuzz::dateBack(f.lan);

    language::useSelectedLanguage(program);
    const bool own = program.languageFile == f.lan;
    fuzz::check(own || program.languageFile == f.reference, "located neither file",
                program.languageFile);

    bool anyText = false;
    for (const QString& key : language::programKeys()) {
        const QString text = program.text(key);
        fuzz::checkValue(text, profile::MaxValueLength);
        // Every text of the program has an English one to fall back on.
        fuzz::check(!text.isEmpty(), "a text reads as empty", key);
        const QString said = GetINI(language::LanguageSection, key, f.lan);
        fuzz::check(!own || text == (said.isEmpty() ? builtin::englishText(key) : said),
                    "a text is neither the file's nor the English one", key);
        anyText = anyText || !said.isEmpty();
    }
    // A file is chosen exactly when it holds at least one text of the program.
    fuzz::check(own == anyText, "the file was chosen against its texts");
    fuzz::check(program.text(QStringLiteral("x99")).isEmpty() || own,
                "a key the program lacks has a built-in text");

    for (const QString& value :
         {language::international(program.languageFile), language::national(program.languageFile),
          language::author(program.languageFile), language::international(f.lan),
          language::national(f.lan), language::author(f.lan)})
        fuzz::checkValue(value, profile::MaxValueLength);

    const language::Lookup lookup = [&](const QString& key) { return program.text(key); };
    // One settings page per input, chosen by its size: each costs a few hundred lookups.
    const char* const modes[] = {"", "all", "user", "alarm"};
    const language::LanInputs in = language::readLanInputs(program, QLatin1String(modes[size % 4]));
    fuzz::check(in.author == language::author(program.languageFile), "another author");
    fuzz::check(!language::lanTexts(in, lookup).isEmpty(), "no captions at all");
    return 0;
}
