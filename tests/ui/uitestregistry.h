// The GUI test classes of the one test program, each registered by its own file.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace tabrin::test {

using UiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<UiTestFactory>& uiTests() {
    static std::vector<UiTestFactory> tests;
    return tests;
}

template <typename Test>
bool registerUiTest() {
    uiTests().push_back([] { return std::make_unique<Test>(); });
    return true;
}

}  // namespace tabrin::test

/// Registers a QTest class defined in the file for the test program's run.
#define TABRIN_UI_TEST(Class) static const bool Class##Registered = tabrin::test::registerUiTest<Class>();
