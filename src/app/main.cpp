// The launcher: the command line's module, loaded from its place relative to
// the program, and run. The launcher itself needs no Qt library, so the
// libraries every later load searches first are only the C and C++ runtimes:
// the window's libraries, which that module loads when the window is asked
// for, find one another as quickly as when the program linked them.

#include "ModulePlace.h"
#include "app/ProgramModules.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char* argv[])
{
    std::error_code unreadable;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unreadable);
    if (unreadable) {
        // Without its own place it would look for its modules below the working folder, whatever that holds.
        std::fprintf(stderr, "quorvan: cannot find its own folder (/proc/self/exe: %s)\n", unreadable.message().c_str());
        return 2;
    }
    const std::filesystem::path folder = program.parent_path() / QUORVAN_MODULES_FROM_PROGRAM;
    auto* commandLine = quorvan::LoadEntry<quorvan::CommandLineMain>(
        (folder / quorvan::CommandLineModuleFile).c_str(), quorvan::CommandLineMainSymbol);
    if (!commandLine) {
        // Before any Qt library is loaded, the loader's own words: the installation is incomplete.
        std::fprintf(stderr, "quorvan: %s\n", dlerror());
        return 2; // as for any other file the program cannot read (app/CommandLine.h)
    }
    return commandLine(argc, argv, folder.c_str());
}
