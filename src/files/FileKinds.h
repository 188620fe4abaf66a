#pragma once
// What kind of file a name asks for, told by its last letters in any case.

#include "sheetreader/PackedSheet.h"

#include <QString>

#include <optional>

namespace quorvan {

// The last `count` letters of a name, upper-cased (ASCII letters only).
QString UpperEnding(const QString& path, qsizetype count);

// The kind of workbook a name asks for: "XLS", "XLSX" or "ODS" (no dot
// needed); nothing for any other name.
std::optional<WorkbookKind> WorkbookKindOf(const QString& path);

enum class ListFileKind { Text, Csv, Workbook, Other };

// The kind of list file: "TXT", "CSV", or a workbook's (WorkbookKindOf).
ListFileKind KindOfListFile(const QString& path);

} // namespace quorvan
