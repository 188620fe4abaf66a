#pragma once

namespace quorvan {

class MainForm;

// Build: fills the rung grid at random for the spinner's count, draws the
// ladder and moves the window on to finding the hits.
void RunBuild(MainForm& form);

} // namespace quorvan
