#include "common/TestRegistry.h"

#include <QStringList>
#include <QTest>

#ifdef FORM337_TESTS_WITHOUT_WIDGETS
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

// Runs every test class of this executable in turn (each file registers its classes
// with REGISTER_TEST). FORM337_TEST_ONLY names the classes to run, comma separated.
// Returns the number of classes with a failure.
int main(int argc, char **argv)
{
    TestApplication app(argc, argv);
    const QStringList only
        = qEnvironmentVariable("FORM337_TEST_ONLY").split(u',', Qt::SkipEmptyParts);
    int failed = 0;
    for (const auto &create : TestRegistry::all()) {
        const std::unique_ptr<QObject> test = create();
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(test->metaObject()->className())))
            continue;
        failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failed;
}
