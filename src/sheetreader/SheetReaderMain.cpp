// quorvan-sheet-reader KIND [COLUMN]: reads a column (A, unless COLUMN gives
// another's number) of the first worksheet of the workbook (KIND xls, xlsx or
// ods) on its standard input, which the program opened, in a
// confined process of its own (ReaderConfinement.h), so that whatever the
// workbook and archive libraries do with a damaged or hostile file (crash,
// lose memory, ask for gigabytes, run code planted in it) ends with this
// process and reaches nothing beyond it. Writes "R" and the packed cells, or "F"
// and the reason, to its standard output: the number of a message of the
// program's table (Messages.h) with its arguments, which the program shows
// in the user's language.

#include "sheetreader/FreexlSheet.h"
#include "sheetreader/ReaderConfinement.h"
#include "sheetreader/SanitizerOptions.h"
#include "sheetreader/ZipSheets.h"
#include "texts/Messages.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iterator>
#include <new>
#include <string>

namespace {

std::string PackedSheet(quorvan::WorkbookKind kind, const char* path, std::uint16_t column)
{
    switch (kind) {
    case quorvan::WorkbookKind::Xls: return quorvan::PackFirstSheet(path, column);
    case quorvan::WorkbookKind::Xlsx: return quorvan::PackListColumn(quorvan::XlsxListColumn(path, column));
    case quorvan::WorkbookKind::Ods: return quorvan::PackListColumn(quorvan::OdsListColumn(path, column));
    }
    return {};
}

// The column named on the command line, A when none is; 0 for one that is no column.
std::uint16_t ColumnArgument(int argc, char** argv)
{
    if (argc < 3)
        return quorvan::ListSheetColumn;
    unsigned column = 0;
    const char* end = argv[2] + std::strlen(argv[2]);
    const auto [stop, error] = std::from_chars(argv[2], end, column);
    return error == std::errc() && stop == end && column >= 1 && column <= quorvan::MostSheetColumns ? std::uint16_t(column) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    using quorvan::WorkbookKindArgument;
    const auto kind = std::find_if(std::begin(WorkbookKindArgument), std::end(WorkbookKindArgument),
                                   [&](const char* name) { return (argc == 2 || argc == 3) && std::strcmp(name, argv[1]) == 0; });
    const std::uint16_t column = ColumnArgument(argc, argv);
    if (kind == std::end(WorkbookKindArgument) || column == 0) {
        std::fputs("usage: quorvan-sheet-reader xls|xlsx|ods [COLUMN] <WORKBOOK\n", stderr);
        return 2;
    }
    if (!quorvan::ConfineReader(quorvan::ReaderProcessorTime)) {
        const std::string refused = 'F' + quorvan::EncodeMessage(quorvan::MessageId::ReaderNotConfined);
        std::fwrite(refused.data(), 1, refused.size(), stdout);
        std::fflush(stdout);
        std::_Exit(0);
    }
    char outcome = 'R';
    std::string message;
    try {
        message = PackedSheet(quorvan::WorkbookKind(kind - std::begin(WorkbookKindArgument)), quorvan::ReaderInput, column);
    } catch (const quorvan::MessageError& error) {
        outcome = 'F';
        message = quorvan::EncodeMessage(error.Id(), error.Arguments());
    } catch (const std::bad_alloc&) {
        outcome = 'F';
        message = quorvan::EncodeMessage(quorvan::MessageId::NoMemoryToRead);
    } catch (const std::exception& error) {
        outcome = 'F';
        message = error.what();
    }
    std::fputc(outcome, stdout);
    std::fwrite(message.data(), 1, message.size(), stdout);
    std::fflush(stdout);
    // Quick exit: what the library failed to free goes with the process.
    std::_Exit(0);
}
