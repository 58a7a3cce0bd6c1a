#pragma once

#include <QApplication>
#include <QTest>
#include <string_view>

// The Qt Test programs hold every test class of their folder, one class per file. The shared
// main (QtTestMain.cpp) runs the class named by its first argument, the file's name without
// its extension ("main_window_test"), and hands the arguments after it to QTest::qExec:
//   ui_tests main_window_test [Qt Test options]
// Each file names its class once, at its end, in place of QTEST_MAIN:
//   TESSORA_QTEST(MainWindowTest)
//   TESSORA_QTEST_APPLESS(CommandLineTest)   // a class that needs no application object
// As with QTEST_MAIN, a class's static initMain() runs before the application object is made
// (for the environment Qt reads at its start).
namespace tessora::test {

using QtTestRun = int (*)(int argc, char** argv);

// Adds a class to the program's list under its file's name; returns true.
bool RegisterQtTest(std::string_view name, QtTestRun run);

// The file's name without its folder and extension.
constexpr std::string_view TestNameOf(std::string_view path) {
    path.remove_prefix(path.find_last_of('/') + 1);
    return path.substr(0, path.find('.'));
}

// What QTEST_MAIN does for a widgets test, for one class.
template <typename Test>
int RunWithApplication(int argc, char** argv) {
    if constexpr (requires { Test::initMain(); }) Test::initMain();
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template <typename Test>
int RunWithoutApplication(int argc, char** argv) {
    Test test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace tessora::test

#define TESSORA_QTEST_REGISTER(Class, runner)                                        \
    namespace {                                                                      \
    [[maybe_unused]] const bool registered##Class = ::tessora::test::RegisterQtTest( \
        ::tessora::test::TestNameOf(__FILE__), &::tessora::test::runner<Class>);     \
    }
#define TESSORA_QTEST(Class) TESSORA_QTEST_REGISTER(Class, RunWithApplication)
#define TESSORA_QTEST_APPLESS(Class) TESSORA_QTEST_REGISTER(Class, RunWithoutApplication)
