#pragma once
// Writes computed captions and tooltips into the windows' controls, found by their names.
#include "rules/language/LanTexts.h"

class QObject;
class QWidget;

namespace language {

// The windows that texts go to; a window that does not exist yet is null and is skipped.
struct Windows {
    QWidget* main = nullptr;
    QWidget* settings = nullptr;
    QObject* menu = nullptr;
};

// Labels and buttons take a caption as their text, frames as their title, combo boxes as their
// current text, menu items as their text, and a window as its title. A control a window does
// not have is skipped: windows grow their controls over time, and texts must never stop the
// game. Returns the number of assignments that found their control.
int applyTexts(const QList<Assignment>& texts, const Windows& windows);

} // namespace language
