#pragma once
// What the member and hit list imports share: the open dialog, the kind of
// file chosen and reading it.

#include "ListFile.h"

#include <optional>

namespace quorvan {

class MainForm;

enum class ListFileKind { Text, Workbook, Other };

// Decided by the last three letters of the name, in any case: "TXT" or "XLS".
ListFileKind KindOfListFile(const QString& path);

// The open dialog, starting with the file chosen last; nothing when cancelled.
std::optional<QString> ChooseListFile(MainForm& form);

// The first `keep` entries of the list file and how many it holds: every
// line of a text file, or the cells read from a workbook. A file of a kind
// that cannot be read ends the command with a message naming it.
ListRead ReadList(MainForm& form, const QString& path, int32_t keep);

} // namespace quorvan
