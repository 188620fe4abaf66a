#include "Application.h"
#include "QtPlatform.h"
#include "TFMAIN.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    quorvan::ConfigureApplication(application);

    quorvan::QtPlatform platform;
    quorvan::TFMAIN FMAIN(platform);
    FMAIN.show();
    return QApplication::exec();
}
