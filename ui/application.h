// The program as a whole: the application object, Qt's own texts, the window and its event
// loop. main() calls it; the start-up benchmark calls it too, with its first-paint hook.
#pragma once

#include <functional>

class QWidget;

namespace vantrel::ui {

/// What the application says of itself to the desktop (name, version, desktop entry), and
/// Qt's own texts in the system's language. Called once the application object exists,
/// before any widget.
void ConfigureApplication();

/// Exit code of a program that found no display to open its window on.
inline constexpr int CodeSansAffichage = 2;

/// Runs Vantrel; `avantAffichage` sees the window just before it is shown. Returns the exit
/// code of the event loop.
int LanceVantrel(int argc, char* argv[], const std::function<void(QWidget&)>& avantAffichage = {});

} // namespace vantrel::ui
