#pragma once

#include <QIcon>

// The program's icon: the images installed for the desktop (navy tile, a weather vane over
// a banded table), built into the program so that the window and the tray show it even
// where no icon theme holds it.
namespace AppIcon {

QIcon icon();

// Names the program to the desktop: the icon of every window, and the desktop entry whose
// icon a Wayland compositor shows (it ignores window icons).
void identifyApplication();

} // namespace AppIcon
