#pragma once
// The ten list labels Topp01..Topp10 of the main window, and clearing the list they show.
#include <QList>

class QLabel;
class QWidget;
struct Program;

namespace scores {

// Refreshes the labels from the profile file: place `newPlace` bold, captions of complete
// places, and with help texts on the tooltips, the pointing hand and the visibility.
void UpdatTopp(const Program& program, const QList<QLabel*>& labels, int newPlace);

// Empties the list after a Yes; the best score ever, the last name and the game count stay.
// Returns whether the list was cleared.
bool ClearHighscore(const Program& program, const QList<QLabel*>& labels,
                    QWidget* parent = nullptr);

} // namespace scores
