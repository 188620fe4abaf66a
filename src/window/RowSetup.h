#pragma once

namespace quorvan {

class MainForm;

// Set-up: frees the rows of the last set-up and creates empty member and hit
// boxes for the spinner's count, draws the preview and offers Build.
void RunRowSetup(MainForm& form);

} // namespace quorvan
