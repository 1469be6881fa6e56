#include "core/TarnIni.h"

#include "core/Profile.h"

#include <algorithm>
#include <limits>

namespace profile {
qint64 toNumber(const QString& value) {
    const QString text = value.trimmed();
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+'))) ++i;
    if (i == text.size()) return 0;
    // Counted as a magnitude up to the bound of its sign, where it stays: a counter that reached
    // the top reads back as the top, not as 0.
    constexpr quint64 Max = std::numeric_limits<qint64>::max();
    const quint64 bound = negative ? Max + 1 : Max;
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return 0;
        const unsigned digit = c - u'0';
        magnitude = magnitude > (bound - digit) / 10 ? bound : magnitude * 10 + digit;
    }
    if (!negative) return qint64(magnitude);
    return magnitude == bound ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
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

qint64 TarnIni::raise(const ini::NumberKey& k) {
    const qint64 now = get(k);
    const qint64 next = now < std::numeric_limits<qint64>::max() ? now + 1 : now;
    set(k, next);
    return next;
}
