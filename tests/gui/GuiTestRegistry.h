#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vistagon::guitest {

// Every QtTest class of the program registers itself here; the main runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestFactory>& RegisteredTests()
{
    static std::vector<TestFactory> tests;
    return tests;
}

struct TestRegistration {
    explicit TestRegistration(TestFactory factory) { RegisteredTests().push_back(std::move(factory)); }
};

}  // namespace vistagon::guitest

#define VISTAGON_GUI_TEST(Class)                                                                   \
    static const ::vistagon::guitest::TestRegistration Class##Registration{                        \
        [] { return std::unique_ptr<QObject>(new Class); }}
