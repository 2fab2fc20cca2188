#include "ImportTestSupport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    failures += runImportEngineTests(argc, argv);
    failures += runImportCommandTests(argc, argv);
    failures += runImportWindowTests(argc, argv);
    return failures;
}
