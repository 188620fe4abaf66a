#pragma once

#include <QString>

#include <cstdint>

namespace quorvan {

class MainForm;

// Set-up: frees the rows of the last set-up and creates empty member and hit
// boxes for the spinner's count, draws the preview and offers Build.
void RunRowSetup(MainForm& form);

// Creates the member box of `row` holding `memberText` and its empty hit box,
// each in place of any box of that name, with the first member box's font.
void CreateRowBoxes(MainForm& form, int32_t row, const QString& memberText);

} // namespace quorvan
