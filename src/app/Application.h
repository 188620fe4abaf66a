#pragma once

class QApplication;

namespace quorvan {

// What the program sets on the application before its window is created:
// its title, style, icon and the faces that stand in for the designed fonts.
void ConfigureApplication(QApplication& application);

} // namespace quorvan
