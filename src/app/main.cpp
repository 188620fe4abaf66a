#include "app/Application.h"
#include "commands/Commands.h"
#include "app/DrawVerifying.h"
#include "window/MainWindow.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // A draw record is checked without a window, so without a display too.
    if (quorvan::AsksToVerify(argc, argv))
        return quorvan::VerifyFromCommandLine(argc, argv);

    QApplication application(argc, argv);
    quorvan::ConfigureApplication(application);

    quorvan::QtPlatform platform;
    quorvan::LoadToolkitTranslations(platform.UserLocaleId());
    quorvan::MainWindow window(platform);
    quorvan::Commands commands(window);
    window.show();
    return QApplication::exec();
}
