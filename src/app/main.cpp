#include "app/Application.h"
#include "app/CommandLine.h"
#include "commands/Commands.h"
#include "files/SaveNotes.h"
#include "platform/QtPlatform.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    // --help, --version and --verify are answered before the window's
    // application exists, so without a display too.
    const quorvan::CommandLine commandLine = quorvan::AnswerCommandLine(argc, argv);
    if (commandLine.ExitStatus)
        return *commandLine.ExitStatus;

    QApplication application(argc, argv);
    quorvan::ConfigureApplication(application);

    quorvan::QtPlatform platform; // the user's language and its faces from here on
    // A save notes its passing file in the state folder, the one folder the
    // program knows again at its next start wherever the user saved; the
    // start removes what saves that were killed mid-way left.
    const QString stateFolder = platform.StateFolder();
    const QString saveNotes = stateFolder.isEmpty() ? QString() : stateFolder + QStringLiteral("/saving");
    quorvan::RemoveLeftoversOfKilledSaves(saveNotes);
    quorvan::NoteSavesIn(saveNotes);
    quorvan::MainWindow window(platform);
    quorvan::Commands commands(window);
    window.show();
    if (!commandLine.DrawFile.isEmpty()) {
        QTimer::singleShot(0, &window, [&] {
            commands.boundary().Run([&] { commands.openDrawFile(commandLine.DrawFile); });
        });
    }
    return QApplication::exec();
}
