#include "BrokenFilesTest.h"
#include "CharacterCutsTest.h"

#include <QApplication>
#include <QtTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    CharacterCutsTest characterCuts;
    failures += QTest::qExec(&characterCuts, argc, argv);
    BrokenFilesTest brokenFiles;
    failures += QTest::qExec(&brokenFiles, argc, argv);
    return failures;
}
