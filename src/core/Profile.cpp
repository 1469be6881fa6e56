#include "core/Profile.h"

#include "platform/ProfileFile.h"

QString GetINI(const QString& section, const QString& key, const QString& path) {
    return profile::readString(section, key, path);
}

bool SetINI(const QString& section, const QString& key, const QString& value,
            const QString& path) {
    return profile::writeString(section, key, value, path);
}

namespace profile {

bool switchY(const QString& section, const QString& key, const QString& path) {
    return ruleY(GetINI(section, key, path));
}

bool switchN(const QString& section, const QString& key, const QString& path) {
    return ruleN(GetINI(section, key, path));
}

int toNumber(const QString& value) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok ? n : 0;
}

int readNumber(const QString& section, const QString& key, const QString& path) {
    return toNumber(GetINI(section, key, path));
}

bool writeNumber(const QString& section, const QString& key, qint64 number,
                 const QString& path) {
    return SetINI(section, key, QString::number(number), path);
}

} // namespace profile
