#pragma once

#include "TextResultFile.h"

#include <cstdint>

namespace quorvan {

class MainForm;

constexpr int32_t RemoveColumn = 1;
constexpr int32_t CreateColumn = 0;

// Removes the result boxes (mode 1) or creates an empty one per row (any
// other mode); either way ［HIT-ALL］, Text and Excel end disabled.
void SetResultColumn(MainForm& form, int32_t mode);

// ［HIT-ALL］: traces every hit in black and writes beside it the member it reaches.
void RunHitAll(MainForm& form);

// The texts of the hit and result boxes of rows 1 .. the spinner's count, as
// the result files write them.
QList<ResultPair> ResultPairs(MainForm& form);

} // namespace quorvan
