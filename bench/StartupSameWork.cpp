// The floor of the start-up line's second ratio: a bare Qt Widgets program
// that shows the program's visible controls as the bench has told them (the
// file named first), in their fonts and with their texts, from exec to its
// first frame painted. What the toolkit needs to show what the window shows.

#include "FirstFrame.h"
#include "VisibleControls.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::EndAtFirstFrame();
    QApplication application(argc, argv);
    QFile told(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!told.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quorvan-startup-same-work: no list of controls: %s\n", qPrintable(told.errorString()));
        return 2;
    }
    QWidget window;
    bench::BuildVisibleControls(window, told.readAll());
    window.show();
    return QApplication::exec();
}
