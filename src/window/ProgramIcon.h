#pragma once
// The program's icon, for the window, its dialogs and the guide link.

#include <QIcon>

namespace quorvan {

// Drawn from the scalable picture at any size where the desktop can draw
// SVG, and from the pictures of 32, 48 and 256 pixels where it cannot.
QIcon ProgramIcon();

} // namespace quorvan
