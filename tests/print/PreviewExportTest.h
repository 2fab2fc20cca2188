#pragma once

#include <QObject>

// The whole form as one document: its PDF file and its preview pages.
class PreviewExportTest : public QObject
{
    Q_OBJECT

private slots:
    void sameDrawingAsThePrintedCopy();
    void pageCounts_data();
    void pageCounts();
    void documentInformation();
    void defaultFileName_data();
    void defaultFileName();
    void unwritableFileIsReported();
    void missingFontLeavesEarlierFileAlone();
    void previewPagesLookLikeThePdf();
    void cancelStopsCleanly_data();
    void cancelStopsCleanly();
};
