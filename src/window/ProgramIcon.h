#pragma once
// The program's icon, for the window, its dialogs and the guide link.

#include <QIcon>

namespace quorvan {

// Drawn from its pictures of 32, 48 and 256 pixels, at any size.
QIcon ProgramIcon();

} // namespace quorvan
