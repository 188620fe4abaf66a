// The window's module: the window, its commands and their application.

#include "app/Application.h"
#include "app/ProgramModules.h"
#include "commands/Commands.h"
#include "files/SaveNotes.h"
#include "platform/QtPlatform.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QTimer>

#include <type_traits>

extern "C" Q_DECL_EXPORT int quorvan_window_main(int& argc, char** argv, const QString& drawFile)
{
    static_assert(std::is_same_v<decltype(quorvan_window_main), quorvan::WindowMain>);
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
    if (!drawFile.isEmpty()) {
        QTimer::singleShot(0, &window, [&] {
            commands.boundary().Run([&] { commands.openDrawFile(drawFile); });
        });
    }
    return QApplication::exec();
}
