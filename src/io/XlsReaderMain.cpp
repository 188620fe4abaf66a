// quorvan-xls-reader FILE: reads the first worksheet of an .xls workbook in a
// process of its own, so that whatever the workbook library does with a
// damaged file (crash, lose memory, ask for gigabytes) ends with this
// process. Writes "R" and the packed cells, or "F" and the reason, to its
// standard output: the number of a message of the program's table
// (Messages.h), which the program shows in the user's language.

#include "FreexlSheet.h"
#include "Messages.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: quorvan-xls-reader FILE\n", stderr);
        return 2;
    }
    quorvan::LimitFurtherMemory(quorvan::ReaderMemory);
    char outcome = 'R';
    std::string message;
    try {
        message = quorvan::PackFirstSheet(argv[1]);
    } catch (const quorvan::MessageError& error) {
        outcome = 'F';
        message = quorvan::EncodeMessage(error.Id(), error.Argument());
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
