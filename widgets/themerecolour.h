#pragma once

#include <QString>

// Re-colouring what was built before a theme switch: style sheets hold the colour values of the
// theme they were built in, and each value maps to the same name's value in the other theme.
namespace Theme {

// The style sheet with every colour of one theme replaced by the other theme's.
QString recoloured(const QString &styleSheet, bool toDark);
// Every widget's own style sheet and the application's, then a repaint of them all.
void recolourWidgets(bool toDark);

} // namespace Theme
