#pragma once
// A look at the folder of streams in an .xls file before the workbook reader
// (freexl) parses it.

#include <QString>

namespace quorvan {

// freexl takes the name length of each entry in the compound file's first
// directory sector on trust and reads that many bytes from a 64-byte field,
// far past its buffer when the length is damaged. This refuses such a file,
// and one whose directory lies outside the file, by throwing FileError.
// Files that are not compound files are left to the reader to judge.
void CheckCompoundDirectory(const QString& path);

} // namespace quorvan
