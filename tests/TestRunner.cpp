// The entry of every test program: picks the test class named by the first
// argument, sets up its application as QTEST_*_MAIN does, and hands the other
// arguments to Qt Test.

#include "TestRunner.h"

#include <QCoreApplication>
#include <QTest>
#if defined(QT_GUI_LIB)
#include <QGuiApplication>
#endif
#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#endif

#include <cstdio>
#include <cstring>
#include <vector>

namespace quorvan::testing {

namespace {

std::vector<TestClass>& TestClasses()
{
    static std::vector<TestClass> classes;
    return classes;
}

std::unique_ptr<QCoreApplication> MakeApplication(TestApplication kind, int& argc, char** argv)
{
    std::unique_ptr<QCoreApplication> application;
    switch (kind) {
    case TestApplication::None:
        return nullptr;
    case TestApplication::Core:
        application = std::make_unique<QCoreApplication>(argc, argv);
        break;
#if defined(QT_GUI_LIB)
    case TestApplication::Gui:
        application = std::make_unique<QGuiApplication>(argc, argv);
        break;
#endif
#if defined(QT_WIDGETS_LIB)
    case TestApplication::Widgets:
        application = std::make_unique<QApplication>(argc, argv);
#ifdef QT_KEYPAD_NAVIGATION
        QApplication::setNavigationMode(Qt::NavigationModeNone);
#endif
        break;
#endif
    default:
        qFatal("this test program is built without the application its test asks for");
    }
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    return application;
}

} // namespace

bool RegisterTestClass(const TestClass& testClass)
{
    TestClasses().push_back(testClass);
    return true;
}

} // namespace quorvan::testing

int main(int argc, char* argv[])
{
    using namespace quorvan::testing;
    const TestClass* chosen = nullptr;
    for (const TestClass& testClass : TestClasses())
        if (argc > 1 && std::strcmp(argv[1], testClass.name) == 0)
            chosen = &testClass;
    if (!chosen) {
        std::fprintf(stderr, "usage: %s TEST_CLASS [Qt Test options and functions]\ntest classes:", argv[0]);
        for (const TestClass& testClass : TestClasses())
            std::fprintf(stderr, " %s", testClass.name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    // Qt Test and the application see the class's name where a program of
    // its own would show its name.
    --argc;
    ++argv;
    if (chosen->initMain)
        chosen->initMain();
    const std::unique_ptr<QCoreApplication> application = MakeApplication(chosen->application, argc, argv);
    const std::unique_ptr<QObject> test = chosen->make();
#ifdef QT_TESTCASE_BUILDDIR
    QTest::setMainSourcePath(chosen->sourceFile, QT_TESTCASE_BUILDDIR);
#else
    QTest::setMainSourcePath(chosen->sourceFile);
#endif
    return QTest::qExec(test.get(), argc, argv);
}
