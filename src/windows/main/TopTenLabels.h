#pragma once
// The ten list labels Topp01..Topp10 of the main window.
#include <QList>

class QLabel;
struct Program;

namespace scores {

// Refreshes the labels from the profile file: place `newPlace` bold, captions of complete
// places, and with help texts on the tooltips, the pointing hand and the visibility.
void UpdatTopp(const Program& program, const QList<QLabel*>& labels, int newPlace);

} // namespace scores
