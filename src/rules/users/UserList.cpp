#include "rules/users/UserList.h"

#include "core/EventLog.h"
#include "core/TarnIni.h"

namespace users {

using namespace ini::users;

int count(const TarnIni& ini) {
    return int(ini.entries(antal, user));
}

QString selected(const TarnIni& ini) {
    return ini.get(ini::users::selected);
}

QString name(const TarnIni& ini, int position) {
    return ini.get(user, position);
}

QString selectedName(const TarnIni& ini) {
    // The key is built from the stored text, so a hand-edited "01" finds nobody.
    return ini.get(user, selected(ini));
}

QStringList names(const TarnIni& ini) {
    QStringList out;
    for (int n = 1, last = count(ini); n <= last; ++n)
        out << name(ini, n);
    return out;
}

bool add(TarnIni& ini, const EventLog& log, const QString& name, const QString& password) {
    if (name.isEmpty() || password.isEmpty()) return false;
    const int n = count(ini) + 1;
    ini.set(antal, n);
    ini.set(ini::users::selected, QString::number(n));
    ini.set(user, n, name);
    ini.set(pass, n, password);
    log.AppendLog(QStringLiteral("Add user: ") + name);
    return true;
}

void choose(TarnIni& ini, const EventLog& log, int position) {
    ini.set(ini::users::selected, QString::number(position));
    log.AppendLog(QStringLiteral("Change user: ") + name(ini, position));
}

bool remove(TarnIni& ini, const EventLog& log, int position) {
    const int last = count(ini);
    if (position < 1 || position > last) return false;
    const QString removed = name(ini, position);
    for (int i = position; i < last; ++i) {
        ini.set(user, i, name(ini, i + 1));
        ini.set(pass, i, ini.get(pass, i + 1));
    }
    log.AppendLog(QStringLiteral("Remove user: ") + removed);
    ini.set(user, last, QString());
    ini.set(pass, last, QString());
    ini.set(antal, last - 1);
    if (last > 1) ini.set(ini::users::selected, QStringLiteral("1"));
    return true;
}

} // namespace users
