#include "GuiTestRegistry.h"

#include <QApplication>
#include <QTest>

// Runs every registered test class; arguments after the program name go to
// QtTest (a test function name runs only that function in each class).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName("vistagon");
    QApplication::setApplicationDisplayName("Vistagon");
    int failed = 0;
    for (const auto& factory : vistagon::guitest::RegisteredTests()) {
        std::unique_ptr<QObject> test = factory();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
