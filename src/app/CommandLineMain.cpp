// The command line's module: answers --help, --version and --verify with Qt
// Core alone, and starts the window for anything else.

#include "app/CommandLine.h"
#include "app/ProgramModules.h"
#include "app/WindowStart.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT int quorvan_command_line(int& argc, char** argv, const char* moduleFolder)
{
    static_assert(std::is_same_v<decltype(quorvan_command_line), quorvan::CommandLineMain>);
    const quorvan::CommandLine commandLine = quorvan::AnswerCommandLine(argc, argv);
    if (commandLine.ExitStatus)
        return *commandLine.ExitStatus;
    return quorvan::StartWindow(argc, argv, moduleFolder, commandLine.DrawFile);
}
