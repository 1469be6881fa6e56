#pragma once
// Opening one of the game's web pages, the same way from every window: a question first when
// the player wants to be warned, a beep when not, a line in the log, then the browser.
#include <functional>

class QWidget;
struct Program;
namespace desktop {
struct WebLink;
}

namespace weblink {

// Asks when `Options` `WarnHomepage` is "Yes" (No ends it here); calls `beep` when it is "No";
// logs the link's line and opens its address. Returns whether the page was asked for.
bool visit(Program& program, QWidget* parent, const desktop::WebLink& link,
           const std::function<void()>& beep = {});

} // namespace weblink
