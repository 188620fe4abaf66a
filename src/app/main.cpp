#include "Application.h"
#include "Commands.h"
#include "MainWindow.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quorvan::ConfigureApplication(application);

    quorvan::QtPlatform platform;
    quorvan::LoadToolkitTranslations(platform.UserLocaleId());
    quorvan::MainWindow window(platform);
    quorvan::Commands commands(window);
    window.show();
    return QApplication::exec();
}
