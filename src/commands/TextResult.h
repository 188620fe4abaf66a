#pragma once

namespace quorvan {

class MainForm;

// Text: appends a block of the hit/member pairs under a time stamp to a file
// the user chooses, leaving what the file held untouched.
void RunTextResult(MainForm& form);

} // namespace quorvan
