#include "form/TestRegistry.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& create : TestRegistry::all()) {
        const std::unique_ptr<QObject> test = create();
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failed;
}
