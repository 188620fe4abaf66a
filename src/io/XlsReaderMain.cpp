// quorvan-xls-reader KIND FILE: reads the first worksheet of a workbook (KIND
// xls, xlsx or ods) in a process of its own, so that whatever the workbook
// and archive libraries do with a damaged file (crash, lose memory, ask for
// gigabytes) ends with this process. Writes "R" and the packed cells, or "F"
// and the reason, to its standard output.

#include "FreexlSheet.h"
#include "ZipSheets.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>

int main(int argc, char** argv)
{
    using quorvan::WorkbookKindArgument;
    if (argc != 3 || (std::strcmp(argv[1], WorkbookKindArgument[0]) != 0
                      && std::strcmp(argv[1], WorkbookKindArgument[1]) != 0
                      && std::strcmp(argv[1], WorkbookKindArgument[2]) != 0)) {
        std::fputs("usage: quorvan-xls-reader xls|xlsx|ods FILE\n", stderr);
        return 2;
    }
    quorvan::LimitFurtherMemory(quorvan::ReaderMemory);
    const std::string kind = argv[1];
    char outcome = 'R';
    std::string message;
    try {
        if (kind == WorkbookKindArgument[0])
            message = quorvan::PackFirstSheet(argv[2]);
        else if (kind == WorkbookKindArgument[1])
            message = quorvan::PackListColumn(quorvan::XlsxListColumn(argv[2]));
        else
            message = quorvan::PackListColumn(quorvan::OdsListColumn(argv[2]));
    } catch (const std::bad_alloc&) {
        outcome = 'F';
        message = "There is not enough memory to read it.";
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
