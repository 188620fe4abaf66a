#pragma once

namespace quorvan {

class EditBox;
class MainForm;

// A click on a hit box: the path drawn red until now goes back to black, and
// the clicked hit's path is drawn in red. Does nothing before Build.
void RunHitHighlight(MainForm& form, const EditBox& hitBox);

} // namespace quorvan
