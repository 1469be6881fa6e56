#include "core/TarnIni.h"

#include "core/Profile.h"

#include <algorithm>

namespace profile {
qint64 toNumber(const QString& value) {
    bool ok = false;
    const qint64 n = value.trimmed().toLongLong(&ok);
    return ok ? n : 0;
}
} // namespace profile

namespace {
bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

bool TarnIni::get(const ini::SwitchKey& k) const {
    const QString v = raw(k);
    return k.rule == ini::Rule::Y ? profile::ruleY(v) : profile::ruleN(v);
}

qint64 TarnIni::get(const ini::NumberKey& k) const {
    return profile::toNumber(read(k.section, k.key));
}

qint64 TarnIni::entries(const ini::NumberKey& count, const ini::Family& family) const {
    const qint64 claimed = std::clamp<qint64>(get(count), 0, MaxEntries);
    qint64 n = 0;
    while (n < claimed && !get(family, n + 1).isEmpty())
        ++n;
    return n;
}

bool TarnIni::set(const ini::SwitchKey& k, bool on) {
    return write(k.section, k.key, profile::yesNo(on));
}

bool TarnIni::set(const ini::NumberKey& k, qint64 n) {
    return write(k.section, k.key, QString::number(n));
}

bool TarnIni::set(const ini::Family& f, qint64 n, const QString& value) {
    return write(QLatin1String(f.section), f.key(n), value);
}

QString TarnIni::read(const QString& section, const QString& key) const {
    // The latest held write of the key wins, as it would once written.
    for (auto it = pending_.crbegin(); it != pending_.crend(); ++it)
        if (sameName(it->section, section) && sameName(it->key, key))
            return profile::asRead(it->value);
    return GetINI(section, key, path_);
}

bool TarnIni::write(const QString& section, const QString& key, const QString& value) {
    if (depth_ > 0) {
        pending_.append({section, key, value});
        return true;
    }
    return SetINI(section, key, value, path_);
}

void TarnIni::endBatch() {
    if (--depth_ > 0 || pending_.isEmpty()) return;
    profile::writeStrings(std::exchange(pending_, {}), path_);
}
