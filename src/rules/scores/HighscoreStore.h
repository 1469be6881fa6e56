#pragma once
// The top-10 list as Tarn.ini keeps it: points, name, key and date stamp of each place.
#include "rules/scores/HighscoreList.h"

class TarnIni;

namespace scores {

// The ten places as stored; points read as whole numbers, the rest as the text held.
List loadList(const TarnIni& ini);
// Writes all ten places in one replacement of the file, so the list is never half written.
void saveList(TarnIni& ini, const List& list);
// Empties every place ("0" points, the rest blank); the best score ever and the last name stay.
void clearList(TarnIni& ini);

} // namespace scores
