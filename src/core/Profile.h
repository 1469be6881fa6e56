#pragma once
// Reading and writing one value of a profile file (Tarn.ini or a language file). Tarn.ini's own
// keys are read and written through TarnIni; these two are the file calls beneath it.
#include <QString>

QString GetINI(const QString& section, const QString& key, const QString& path);
bool SetINI(const QString& section, const QString& key, const QString& value, const QString& path);
