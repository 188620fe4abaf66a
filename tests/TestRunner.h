#pragma once
// The test programs hold every test class of one folder; the class to run is
// the program's first argument ("tests-commands TestBadInput [Qt Test's
// options and functions]"). Each test file registers its class with the
// application the class needs, as Qt Test's QTEST_*_MAIN would set it up.
// The test programs' build includes this header, and with it Qt Test, ahead
// of every file.

#include <QObject>
#include <QTest>

#include <memory>

namespace quorvan::testing {

enum class TestApplication {
    None,    // QTEST_APPLESS_MAIN
    Core,    // QTEST_GUILESS_MAIN
    Gui,     // QTEST_MAIN in a program without the widgets
    Widgets, // QTEST_MAIN in a program with them
};

// What QTEST_MAIN gives the program the file is built into.
#if defined(QT_WIDGETS_LIB)
inline constexpr TestApplication FullTestApplication = TestApplication::Widgets;
#elif defined(QT_GUI_LIB)
inline constexpr TestApplication FullTestApplication = TestApplication::Gui;
#else
inline constexpr TestApplication FullTestApplication = TestApplication::Core;
#endif

struct TestClass {
    const char* name;
    TestApplication application;
    void (*initMain)(); // set-up before the application exists, or null
    std::unique_ptr<QObject> (*make)();
    const char* sourceFile;
};

// Returns true, for a static initialiser.
bool RegisterTestClass(const TestClass& testClass);

template <typename Test>
bool RegisterTestClass(const char* name, TestApplication application, const char* sourceFile)
{
    void (*initMain)() = nullptr;
    if constexpr (requires { Test::initMain(); })
        initMain = &Test::initMain;
    return RegisterTestClass(TestClass{name, application, initMain,
                                       [] { return std::unique_ptr<QObject>(std::make_unique<Test>()); }, sourceFile});
}

} // namespace quorvan::testing

#define QUORVAN_REGISTER_TEST(Test, application)                                                                  \
    [[maybe_unused]] static const bool Test##Registered =                                                         \
        quorvan::testing::RegisterTestClass<Test>(#Test, application, __FILE__);

#define QUORVAN_TEST_MAIN(Test) QUORVAN_REGISTER_TEST(Test, quorvan::testing::FullTestApplication)
#define QUORVAN_TEST_GUILESS_MAIN(Test) QUORVAN_REGISTER_TEST(Test, quorvan::testing::TestApplication::Core)
#define QUORVAN_TEST_APPLESS_MAIN(Test) QUORVAN_REGISTER_TEST(Test, quorvan::testing::TestApplication::None)
