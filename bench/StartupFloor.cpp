// The floor of the benchmark's start-up line: a bare Qt Widgets program whose
// window shows a line of text, from exec to its first frame painted. Text
// makes the toolkit read the system's font list, as any program's first text
// measurement does. It links Qt Widgets and nothing else, as such a program
// would.

#include "FirstFrame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bench::EndAtFirstFrame();
    QApplication application(argc, argv);
    QWidget window;
    window.resize(719, 510);
    (new QLabel(QStringLiteral("Quorvan"), &window))->move(8, 8);
    window.show();
    return QApplication::exec();
}
