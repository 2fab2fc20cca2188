#pragma once

#include <QObject>

// Preview and Export PDF on the main window: the buttons beside Print, what they read,
// and that they print, store and change nothing.
class PreviewWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsBesidePrint();
    void enabledExactlyWithPrint_data();
    void enabledExactlyWithPrint();
    void previewShowsTheScreenAndChangesNothing();
    void previewNavigationAndZoom();
    void printFromThePreviewIsTheUsualRequest();
    void exportWritesTheScreenToTheChosenFile();
    void exportDeclinedOrUnwritable();
    void missingFontGivesThePrintingMessage();
};
