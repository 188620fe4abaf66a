// quorvan-sheet-reader KIND: reads the first worksheet of the workbook (KIND
// xls, xlsx or ods) on its standard input, which the program opened, in a
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
#include <cstdio>
#include <cstring>
#include <exception>
#include <iterator>
#include <new>
#include <string>

namespace {

std::string PackedSheet(quorvan::WorkbookKind kind, const char* path)
{
    switch (kind) {
    case quorvan::WorkbookKind::Xls: return quorvan::PackFirstSheet(path);
    case quorvan::WorkbookKind::Xlsx: return quorvan::PackListColumn(quorvan::XlsxListColumn(path));
    case quorvan::WorkbookKind::Ods: return quorvan::PackListColumn(quorvan::OdsListColumn(path));
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    using quorvan::WorkbookKindArgument;
    const auto kind = std::find_if(std::begin(WorkbookKindArgument), std::end(WorkbookKindArgument),
                                   [&](const char* name) { return argc == 2 && std::strcmp(name, argv[1]) == 0; });
    if (kind == std::end(WorkbookKindArgument)) {
        std::fputs("usage: quorvan-sheet-reader xls|xlsx|ods <WORKBOOK\n", stderr);
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
        message = PackedSheet(quorvan::WorkbookKind(kind - std::begin(WorkbookKindArgument)), quorvan::ReaderInput);
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
