#pragma once

class QApplication;

namespace quorvan {

// What the program sets on the application before its window is created:
// its title, style and icon.
void ConfigureApplication(QApplication& application);

} // namespace quorvan
