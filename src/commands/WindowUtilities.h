#pragma once
// The small commands of the main window: the box font, the window capture
// and the user guide.

#include "Platform.h"

namespace quorvan {

class MainForm;

// Opens the font dialog; each Apply in it gives its font to the boxes.
void RunFontDialog(MainForm& form, const std::function<void(const ControlFont&)>& apply);

// Gives `font` to the member and hit boxes of rows 1 .. the spinner's count
// that exist; result boxes keep theirs.
void ApplyFontToRows(MainForm& form, const ControlFont& font);

void RunWindowCapture(MainForm& form);
void RunGuideLink(MainForm& form);

} // namespace quorvan
