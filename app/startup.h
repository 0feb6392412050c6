#pragma once

#include "commandlinestart.h"

#include <QStringList>

class CommandLine;
class FramelessWindow;
class QApplication;
class SingleInstance;

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

// Opens the command line's files in viewer tabs; missing ones are reported in the window.
void openCommandLineFile(FramelessWindow &window, const QStringList &arguments);
void openFiles(FramelessWindow &window, const QStringList &files, int page);

// With "reopen the last documents at start" on, opens the documents of the last session once the
// window has been painted.
void reopenLastSession(FramelessWindow &window);

// Opens what later starts hand over and brings the window to the front. With the environment
// variable VELMORA_TEST_REPORT_TABS set, prints the viewer tabs as a JSON line on standard
// output once the window is ready and after every hand-over, for tests in other processes.
void serveLaterStarts(FramelessWindow &window, SingleInstance &instance);
void reportTabs(FramelessWindow &window, const QStringList &missing = {});

// For smoke tests and screenshots: when the environment variable VELMORA_CAPTURE_FIRST_PAGE
// names a PNG file, the window is saved there as soon as the current viewer tab shows its
// first rendered page, and the application quits (exit code 0; 3 when no page was shown within
// VELMORA_CAPTURE_TIMEOUT_MS, default 30000). Returns false when the variable is not set.
bool armFirstPageCapture(FramelessWindow &window);

} // namespace Startup
