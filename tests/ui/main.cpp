// Runs every registered GUI test class on one application object.
#include <QTest>

#include "ui/tabrinapplication.h"
#include "ui/uitestregistry.h"

int main(int argc, char* argv[]) {
    tabrin::ui::TabrinApplication application(argc, argv);
    int failures = 0;
    for (const tabrin::test::UiTestFactory& create : tabrin::test::uiTests()) {
        const std::unique_ptr<QObject> test = create();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
