#pragma once

#include <QObject>

class PrintJobTest : public QObject
{
    Q_OBJECT

private slots:
    void copies_data();
    void copies();
    void defaultCopies_data();
    void defaultCopies();
    void cancelAtReinsertPrintsFrontOnly();
    void missingFontEndsTheRunOnTheFrontPage();
    void printerFailure_data();
    void printerFailure();
    void unwritablePdfIsReportedNotCrashed();
    void shiftWithoutRoomIsReported();
    void declinedFileDialogPrintsNothing();
    void scaleFromTopShift_data();
    void scaleFromTopShift();
    void pdfNamesSortTogether_data();
    void pdfNamesSortTogether();
    void completeFormToPdf();
    void copiesPanel();
    void checklist_data();
    void checklist();
};
