#include "core/Profile.h"

#include "platform/ProfileFile.h"

QString GetINI(const QString& section, const QString& key, const QString& path) {
    return profile::readString(section, key, path);
}

bool SetINI(const QString& section, const QString& key, const QString& value, const QString& path) {
    return profile::writeString(section, key, value, path);
}
