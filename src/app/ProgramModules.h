#pragma once
// The program is a small launcher and modules beside each other, loaded
// into its process as they are needed: the command line's, which needs Qt
// Core alone and answers --help, --version and --verify, and the window's,
// with the toolkit's graphical libraries. These are their files and entries.
// (The window loads a third, the documents', itself: documents/DocumentFunctions.h.)

#include <dlfcn.h>

class QString;

namespace quorvan {

// Answers the command line; when it asks for the window, loads the window's
// module from `moduleFolder` and runs it. Gives the program's exit status.
using CommandLineMain = int(int& argc, char** argv, const char* moduleFolder);
inline constexpr char CommandLineModuleFile[] = "quorvan-commandline.so";
inline constexpr char CommandLineMainSymbol[] = "quorvan_command_line";

// Runs the window until it is closed, with the draw record `drawFile` opened
// in it unless empty, and gives the program's exit status. `argc` outlives
// the window's application, which keeps a reference to it.
using WindowMain = int(int& argc, char** argv, const QString& drawFile);
inline constexpr char WindowModuleFile[] = "quorvan-window.so";
inline constexpr char WindowMainSymbol[] = "quorvan_window_main";

// The entry `symbol` of the module in `file`, loaded into the process and
// bound as the program is (lazily, unless it was linked to bind at once);
// null when either is missing, and dlerror() says why.
template <typename Entry>
Entry* LoadEntry(const char* file, const char* symbol)
{
    void* module = dlopen(file, RTLD_LAZY | RTLD_LOCAL);
    return module ? reinterpret_cast<Entry*>(dlsym(module, symbol)) : nullptr;
}

} // namespace quorvan
