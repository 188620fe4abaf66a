#pragma once

namespace quorvan {

class MainForm;

// Loads the member list from a file: one row per member, at most 480, and
// offers the hit list import. A cancelled dialog resets the window.
void RunMemberImport(MainForm& form);

} // namespace quorvan
