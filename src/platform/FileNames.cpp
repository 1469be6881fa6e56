#include "platform/FileNames.h"

#include "platform/ProfileFile.h"
#include "platform/ProgramSeed.h"

#include <algorithm>

bool isSafeName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || u == u'/' || u == u'\\') return false;
    }
    return true;
}

bool isRecordableName(const QString& name) {
    return isSafeName(name) && profile::asRead(name) == name;
}

bool isProgramFile(const QString& name) {
    const QString own[] = {QStringLiteral("Tarn.ini"), QStringLiteral("Tarn.log"),
                           QStringLiteral("Res.pac"), QStringLiteral("qt.conf"),
                           platform::shippedStampName()};
    return std::any_of(std::begin(own), std::end(own),
                       [&](const QString& o) { return o.compare(name, Qt::CaseInsensitive) == 0; });
}
