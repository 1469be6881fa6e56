#pragma once
// What the program carries inside itself in case its files are missing or damaged: the default
// installation data of Tarn.ini and the English texts.
#include <QByteArray>
#include <QString>

struct Program;

namespace builtin {

// Tarn.ini as shipped: the language registry and the web addresses.
QByteArray defaultProfile();

// The English text of a language key; "" for a key the program does not have.
QString englishText(const QString& key);

// Makes the program directory ready to start: what killed writes of Tarn.ini left behind is
// removed, and a missing Tarn.ini is laid down again from the default installation data.
// Anything else in its place (a fifo, a directory) is left alone and reads as missing.
void prepareProgramDirectory(const Program& program);

} // namespace builtin
