#pragma once
// Reading a member or hit list from a file of either kind: a text file with
// one entry a line, or a workbook with the entries in column A of its first
// worksheet, under a heading.

#include "ListFile.h"
#include "XlsReader.h"

namespace quorvan {

enum class ListFileKind { Text, Workbook, Other };

// Decided by the last three letters of the name, in any case: "TXT" or "XLS".
ListFileKind KindOfListFile(const QString& path);

// How lists are read: text files in the code page of the user's locale,
// workbooks as `Workbooks` says.
struct ListReading {
    int32_t LocaleId = 0;
    WorkbookReading Workbooks;
};

// The first `keep` entries of the list file and how many it holds: every
// line of a text file, or the cells read from a workbook. A file of a kind
// that cannot be read throws an error naming it.
ListRead ReadList(const QString& path, int32_t keep, const ListReading& reading);

} // namespace quorvan
