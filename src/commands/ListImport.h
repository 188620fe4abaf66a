#pragma once
// What the member and hit list imports share: the open dialog and reading
// the file chosen in it.

#include "ListReader.h"

#include <optional>

namespace quorvan {

class MainForm;

// The open dialog, starting with the file chosen last; nothing when cancelled.
std::optional<QString> ChooseListFile(MainForm& form);

// The first `keep` entries of the list file and how many it holds.
ListRead ReadList(MainForm& form, const QString& path, int32_t keep);

} // namespace quorvan
