#include "app/Application.h"
#include "app/CommandLine.h"
#include "commands/Commands.h"
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

    quorvan::QtPlatform platform;
    quorvan::LoadToolkitTranslations(platform.UserLocaleId());
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
