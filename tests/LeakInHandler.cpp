// Loses memory inside an event handler on purpose: the sanitized test run
// must report it, so the leak check's suppressions hide only what the
// libraries keep, never what the program loses in its own handlers.

#include <QCoreApplication>
#include <QTimer>

namespace {
int* volatile lost = nullptr;
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTimer::singleShot(0, &application, [&application] {
        lost = new int[1000];
        lost = nullptr;
        application.quit();
    });
    return application.exec();
}
