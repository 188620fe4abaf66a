#pragma once
// Taking the workbook stream out of a compound file, the container an .xls
// workbook lives in: sectors chained through an allocation table, streams
// under 4 KB in the small sectors of a mini stream. Part of the reader
// program; plain C++.

#include <optional>
#include <string>

namespace quorvan {

// The workbook stream ("Workbook", or "Book" in Excel 5.0/95 files) of the
// file at `path`. Nothing when the file is not a compound file or holds no
// such stream: freexl says what is wrong with those in its own words.
// Throws MessageError saying that a password protects it when it holds,
// instead, an encrypted package (an .xlsx encrypted with a password).
// Throws MessageError (Messages.h) with the message for the user when the container
// is damaged: a directory entry whose name overruns its field, a sector
// outside the file, a chain of sectors that runs in a loop or ends before
// its stream does.
std::optional<std::string> ReadWorkbookStream(const char* path);

} // namespace quorvan
