#pragma once
// Reading a member or hit list from a file of any of its kinds: a text file
// with one entry a line, a CSV file with one entry a record, or a workbook
// with the entries in one column (A unless another is chosen) of its first
// worksheet, under a heading.

#include "files/FileKinds.h"
#include "lists/ImportShape.h"
#include "lists/ListFile.h"
#include "workbook/WorkbookReader.h"

namespace quorvan {

// How lists are read: text and CSV files in the encoding their bytes show,
// the text-encoding locale (an LC_CTYPE value) deciding a tie; workbooks as
// `Workbooks` says.
struct ListReading {
    QString TextLocale;
    WorkbookReading Workbooks;
};

// The first `keep` entries of the list file and how many it holds: every
// line of a text file, every record of a CSV file, or the cells read from a
// workbook, as `choice` says (by default: the first column, no heading in a
// text file, a workbook's list to its first empty cell). A file of a kind
// that cannot be read throws an error naming it.
ListRead ReadList(const QString& path, int32_t keep, const ListReading& reading, const ImportChoice& choice = {});

// What the file looks like: its first rows, and whether they look like a
// heading (text and CSV files) or codes beside names; for a workbook, from
// the `list` read, and whether its list stopped early.
ImportShape LookAtList(const QString& path, const ListReading& reading, const ListRead& list);

} // namespace quorvan
