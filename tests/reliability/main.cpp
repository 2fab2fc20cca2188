#include "BrokenFilesTest.h"
#include "CharacterCutsTest.h"
#include "HostileInputTest.h"
#include "ProcessesTest.h"

#include <QApplication>
#include <QtTest>

// FORM337_RELIABILITY_ONLY names the test classes to run (comma separated); all by default.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList only = qEnvironmentVariable("FORM337_RELIABILITY_ONLY").split(u',', Qt::SkipEmptyParts);
    int failures = 0;
    auto run = [&](QObject&& test) {
        if (only.isEmpty() || only.contains(QString::fromLatin1(test.metaObject()->className())))
            failures += QTest::qExec(&test, argc, argv);
    };
    run(CharacterCutsTest());
    run(BrokenFilesTest());
    run(HostileInputTest());
    run(ProcessesTest());
    return failures;
}
