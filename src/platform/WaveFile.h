#pragma once
#include <QString>

// Length of a RIFF/WAVE file's sound in milliseconds; -1 when the file is missing or is not a
// wave file we can read.
int waveDurationMs(const QString& path);
