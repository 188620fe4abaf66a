// The start-up line's work: the program as it starts, its launcher's steps
// with the program's own modules from the build, from exec to its first frame
// painted; then it leaves. Nothing of the window is linked here: the modules
// bring what they bring, as they do for the program.

#include "FirstFrame.h"
#include "app/ProgramModules.h"

#include <QtGlobal>

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::EndAtFirstFrame();
    const std::string modules = QUORVAN_BUILT_MODULES;
    auto* commandLine = quorvan::LoadEntry<quorvan::CommandLineMain>(
        (modules + '/' + quorvan::CommandLineModuleFile).c_str(), quorvan::CommandLineMainSymbol);
    if (!commandLine) {
        std::fprintf(stderr, "quorvan-startup-probe: %s\n", dlerror());
        return 2;
    }
    return commandLine(argc, argv, modules.c_str());
}
