#pragma once
// Saving a workbook of one worksheet of text cells, in the format its name
// asks for.

#include "workbook/XlsWriter.h"

namespace quorvan {

enum class WorkbookFormat { Xls, Xlsx, Ods, Csv };

// A workbook's bytes, or (Bytes empty) the reason they cannot be made.
struct WorkbookBytes {
    QByteArray Bytes;
    QString Reason;
};

// The writers of the formats made with a library of their own, which the
// program loads only when one is first written.
struct LibraryWriters {
    WorkbookBytes (*Xlsx)(const QString& sheetName, const CellMap& cells);
    WorkbookBytes (*Ods)(const QString& sheetName, const CellMap& cells);
};

// The format a workbook saved under `path` gets: Excel 97-2003 for a name
// ending in ".xls", Office Open XML for ".xlsx", OpenDocument for ".ods" and
// CSV for ".csv" (any letter case). Throws FileError for any other name, and
// for a folder, a pipe or a device.
WorkbookFormat SavedWorkbookFormat(const QString& path);

// Stores the cells (rows 1 .. 65,536, columns 1 .. 256) on a worksheet named
// `sheetName` (1 to 31 characters). The file is written beside its place and
// put there only once all of it is on the disk, so a failed save leaves an
// earlier file whole; a link is written through. Office Open XML and
// OpenDocument are made by `writers`.
void SaveWorkbook(const QString& path, const QString& sheetName, const CellMap& cells, const LibraryWriters& writers);

} // namespace quorvan
