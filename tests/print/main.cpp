#include "BackPageTest.h"
#include "FrontPageTest.h"
#include "LineBreakingTest.h"
#include "PreviewExportTest.h"
#include "PreviewWindowTest.h"
#include "PrintJobTest.h"

#include <QApplication>
#include <QtTest>

int main(int argc, char** argv)
{
    // US English short dates ("3/17/2011"), as the date tests expect.
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication app(argc, argv);
    int failures = 0;
    LineBreakingTest lineBreaking;
    failures += QTest::qExec(&lineBreaking, argc, argv);
    FrontPageTest frontPage;
    failures += QTest::qExec(&frontPage, argc, argv);
    BackPageTest backPage;
    failures += QTest::qExec(&backPage, argc, argv);
    PrintJobTest printJob;
    failures += QTest::qExec(&printJob, argc, argv);
    PreviewExportTest previewExport;
    failures += QTest::qExec(&previewExport, argc, argv);
    PreviewWindowTest previewWindow;
    failures += QTest::qExec(&previewWindow, argc, argv);
    return failures;
}
