#pragma once

class QPalette;

// The window's dark theme ("深色主题"): chosen in the title bar's settings menu, switched at once
// without rebuilding anything, remembered in the settings ("appearance/theme").
namespace DarkTheme {

bool saved();
// Takes the remembered theme before any widget exists.
void applySaved();
// Switches the whole program, palette and style sheets included, and remembers the choice.
void setEnabled(bool dark);
bool isEnabled();

// The application palette of the theme in use.
QPalette applicationPalette();

} // namespace DarkTheme
