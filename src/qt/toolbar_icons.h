#pragma once
// The pictures of the toolbar buttons, drawn rather than loaded: New, Open, Overwrite save,
// Print image, Print.

#include <QIcon>

namespace pelzaro {

// By the button's index on the toolbar (1, 2, 3, 5, 6); an empty icon for any other.
QIcon toolbarIcon(int buttonIndex);

// The program's own icon: the section of a U-shaped retaining wall.
QIcon applicationIcon();

}  // namespace pelzaro
