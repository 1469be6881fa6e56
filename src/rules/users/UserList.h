#pragma once
// The member accounts in section Users of Tarn.ini: a count, the current user's number and
// numbered names and passwords. Users are known only by their position.
#include <QString>
#include <QStringList>

class EventLog;
class TarnIni;

namespace users {

// `antal` as far as the names go; a missing or damaged count means no users.
int count(const TarnIni& ini);
// `selected` as stored (a number from 1, or anything a hand edit left there).
QString selected(const TarnIni& ini);
QString name(const TarnIni& ini, int position);
// The current user's name; "" when there is none.
QString selectedName(const TarnIni& ini);
// user1..user<antal>, in order.
QStringList names(const TarnIni& ini);

// Adds a user behind the others and makes it the current one. Stores nothing unless both the
// name and the password have been given. Returns whether it was added.
bool add(TarnIni& ini, const EventLog& log, const QString& name, const QString& password);

// Makes the user at `position` (from 1) the current one.
void choose(TarnIni& ini, const EventLog& log, int position);

// Removes the user at `position` (from 1): the users behind it move up one place, the last
// place is emptied and the first user becomes the current one. A position that names no
// user changes nothing. Returns whether a user was removed.
bool remove(TarnIni& ini, const EventLog& log, int position);

} // namespace users
