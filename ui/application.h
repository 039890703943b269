// The program as a whole: the application object, Qt's own texts, the window and its event
// loop, which main() runs.
#pragma once

namespace vantrel::ui {

/// What the application says of itself to the desktop (name, version, desktop entry), and
/// Qt's own texts in the system's language. Called once the application object exists,
/// before any widget.
void ConfigureApplication();

/// Exit code of a program that found no display to open its window on (ui/CMakeLists.txt).
inline constexpr int CodeSansAffichage = VANTREL_CODE_SANS_AFFICHAGE;

/// Runs Vantrel. Returns the exit code of the event loop.
int LanceVantrel(int argc, char* argv[]);

} // namespace vantrel::ui
