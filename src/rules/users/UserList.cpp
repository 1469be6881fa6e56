#include "rules/users/UserList.h"

#include "core/EventLog.h"
#include "core/Profile.h"

namespace users {
namespace {
const QString Users = QStringLiteral("Users");

QString numbered(const char* prefix, int position) {
    return QLatin1String(prefix) + QString::number(position);
}

void write(const QString& ini, const QString& key, const QString& value) {
    SetINI(Users, key, value, ini);
}
} // namespace

int count(const QString& ini) {
    return qMax(0, profile::readNumber(Users, QStringLiteral("antal"), ini));
}

QString selected(const QString& ini) {
    return GetINI(Users, QStringLiteral("selected"), ini);
}

QString name(const QString& ini, int position) {
    return GetINI(Users, numbered("user", position), ini);
}

QString selectedName(const QString& ini) {
    return GetINI(Users, QStringLiteral("user") + selected(ini), ini);
}

QStringList names(const QString& ini) {
    QStringList out;
    for (int n = 1, last = count(ini); n <= last; ++n)
        out << name(ini, n);
    return out;
}

bool add(const QString& ini, const EventLog& log, const QString& name, const QString& password) {
    if (name.isEmpty() || password.isEmpty()) return false;
    const int n = count(ini) + 1;
    write(ini, QStringLiteral("antal"), QString::number(n));
    write(ini, QStringLiteral("selected"), QString::number(n));
    write(ini, numbered("user", n), name);
    write(ini, numbered("pass", n), password);
    log.AppendLog(QStringLiteral("Add user: ") + name);
    return true;
}

void choose(const QString& ini, const EventLog& log, int position) {
    write(ini, QStringLiteral("selected"), QString::number(position));
    log.AppendLog(QStringLiteral("Change user: ") + name(ini, position));
}

bool remove(const QString& ini, const EventLog& log, int position) {
    const int last = count(ini);
    if (position < 1 || position > last) return false;
    const QString removed = name(ini, position);
    for (int i = position; i < last; ++i) {
        write(ini, numbered("user", i), name(ini, i + 1));
        write(ini, numbered("pass", i), GetINI(Users, numbered("pass", i + 1), ini));
    }
    log.AppendLog(QStringLiteral("Remove user: ") + removed);
    write(ini, numbered("user", last), QString());
    write(ini, numbered("pass", last), QString());
    write(ini, QStringLiteral("antal"), QString::number(last - 1));
    if (last > 1) write(ini, QStringLiteral("selected"), QStringLiteral("1"));
    return true;
}

} // namespace users
