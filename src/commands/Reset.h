#pragma once

namespace quorvan {

class MainForm;

// Reset: back to the start of a new lottery, two empty rows and an empty
// ladder, from whatever state the window is in.
void RunReset(MainForm& form);

} // namespace quorvan
