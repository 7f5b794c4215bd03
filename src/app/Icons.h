#pragma once
#include <QIcon>
#include <QString>

namespace tolvane {

// Uses the Tango icon theme (installed with the program's packages).
void InstallIconTheme();

// The theme's icon of that name; when the theme lacks it, an icon drawn
// from `glyph` so that no button is ever empty.
QIcon ActionIcon(const char* themeName, const QString& glyph);

}  // namespace tolvane
