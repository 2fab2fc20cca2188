#include "DataTestSupport.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    failures += runJetPatternTests(argc, argv);
    failures += runCriterionTests(argc, argv);
    failures += runDatabaseTests(argc, argv);
    failures += runRecordsetTests(argc, argv);
    failures += runInstallationTests(argc, argv);
    return failures;
}
