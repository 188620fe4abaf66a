#include "app/WindowStart.h"

#include "app/CommandLine.h"
#include "app/ProgramModules.h"
#include "app/TerminalText.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <dlfcn.h>

namespace quorvan {

namespace {

int ModuleMissing(int& argc, char** argv, const QString& reason)
{
    const QCoreApplication application(argc, argv);
    UseUsersLanguage();
    QTextStream(stderr) << TerminalText(QCoreApplication::translate("CommandLine", "The window cannot start: %1")
                                            .arg(reason))
                        << '\n';
    return RecordUnreadable;
}

} // namespace

int StartWindow(int& argc, char** argv, const char* moduleFolder, const QString& drawFile)
{
    auto* window = LoadEntry<WindowMain>((QByteArray(moduleFolder) + '/' + WindowModuleFile).constData(),
                                         WindowMainSymbol);
    if (!window)
        return ModuleMissing(argc, argv, QString::fromLocal8Bit(dlerror()));
    return window(argc, argv, drawFile);
}

} // namespace quorvan
