#pragma once

#include <QStringList>

class FramelessWindow;
class QApplication;

// The steps of process start-up, kept out of main() so that tests can run them.
namespace Startup {

// Names, version, icon, the saved interface language, font, palette and the global style sheet.
void configureApplication(QApplication &app);

// Hands the language manager to the shell: the title bar's code, its language dialog and the
// change signal that rebuilds the main page.
void installLanguageManager();
QString applicationStyleSheet();

// Gives the window a main page, and a fresh one whenever the interface language changes.
void installMainPage(FramelessWindow &window);

// Opens the first command-line argument in a viewer tab when it names an existing file.
void openCommandLineFile(FramelessWindow &window, const QStringList &arguments);

// For smoke tests and screenshots: when the environment variable VELMORA_CAPTURE_FIRST_PAGE
// names a PNG file, the window is saved there as soon as the current viewer tab shows its
// first rendered page, and the application quits (exit code 0; 3 when no page was shown within
// VELMORA_CAPTURE_TIMEOUT_MS, default 30000). Returns false when the variable is not set.
bool armFirstPageCapture(FramelessWindow &window);

} // namespace Startup
