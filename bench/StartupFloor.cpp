// The floor of the benchmark's start-up line: a bare Qt Widgets program whose
// window shows a line of text, from exec to its first frame painted. Text
// makes the toolkit read the system's font list, as any program's first text
// measurement does. It links Qt Widgets and nothing else, as such a program
// would. Under callgrind the dump "first-frame" counts exec to that frame.

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QWindow>

#include <valgrind/callgrind.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QWidget window;
    window.resize(719, 510);
    (new QLabel(QStringLiteral("Quorvan"), &window))->move(8, 8);
    window.show();
    for (const QDeadlineTimer limit(5000); !window.windowHandle()->isExposed();) {
        if (limit.hasExpired())
            return 1;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    (void)window.grab(); // the first frame, painted
    CALLGRIND_DUMP_STATS_AT("first-frame");
    return 0;
}
