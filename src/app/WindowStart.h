#pragma once
// The window, started from the command line in the same process: its module
// loaded from the program's module folder, and run.

#include <QString>

namespace quorvan {

// Runs the window with the draw record `drawFile` opened in it unless empty,
// and gives the program's exit status; when the window's module in
// `moduleFolder` cannot be loaded, says why on the standard error and gives
// RecordUnreadable.
int StartWindow(int& argc, char** argv, const char* moduleFolder, const QString& drawFile);

} // namespace quorvan
