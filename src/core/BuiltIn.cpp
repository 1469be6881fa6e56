#include "core/BuiltIn.h"

#include "core/LanguageKeys.h"
#include "core/Program.h"
#include "platform/ProfileFile.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QSaveFile>

// The built-in files are compiled into the core library, and a static library's resources are
// dropped by the linker unless something registers them by name.
static void registerBuiltIn() {
    Q_INIT_RESOURCE(builtin);
}

namespace builtin {
namespace {

QByteArray resource(const char* name) {
    static const bool registered = (registerBuiltIn(), true);
    Q_UNUSED(registered);
    QFile f(QStringLiteral(":/builtin/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

QByteArray defaultProfile() {
    return resource("Tarn.ini");
}

QString englishText(const QString& key) {
    static const QString english = profile::decode(resource("English.lan"));
    return profile::readStringIn(english, language::LanguageSection, key);
}

void prepareProgramDirectory(const Program& program) {
    const QString ini = program.iniPath();
    profile::removeStaleTemporaries(ini);
    if (platform::fileState(ini) != platform::FileState::Missing) return;
    // Written whole or not at all, so a start cut short never leaves half a profile behind.
    QSaveFile f(ini);
    if (f.open(QIODevice::WriteOnly) && f.write(defaultProfile()) >= 0) f.commit();
}

} // namespace builtin
