#include "rules/scores/HighscoreStore.h"

#include "core/TarnIni.h"

namespace scores {

using namespace ini::highscore;

List loadList(const TarnIni& ini) {
    List list;
    for (int n = 1; n <= Places; ++n) {
        Entry& e = list[n - 1];
        e.points = wholePoints(ini.get(points, n));
        e.name = ini.get(name, n);
        e.key = ini.get(key, n);
        e.dateStamp = ini.get(date, n);
    }
    return list;
}

void saveList(TarnIni& ini, const List& list) {
    const TarnIni::Batch batch(ini);
    for (int n = 1; n <= Places; ++n) {
        const Entry& e = list[n - 1];
        ini.set(points, n, QString::number(e.points));
        ini.set(name, n, e.name);
        ini.set(key, n, e.key);
        ini.set(date, n, e.dateStamp);
    }
}

void clearList(TarnIni& ini) {
    const TarnIni::Batch batch(ini);
    for (int n = 1; n <= Places; ++n) {
        ini.set(name, n, QString());
        ini.set(key, n, QString());
        ini.set(date, n, QString());
        ini.set(points, n, QStringLiteral("0"));
    }
}

} // namespace scores
