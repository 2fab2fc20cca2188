#pragma once

#include <QObject>

class BackPageTest : public QObject
{
    Q_OBJECT

private slots:
    void fixedContent_data();
    void fixedContent();
    void emptyDescriptionPrintsNoEndLine();
    void pages_data();
    void pages();
    void longParagraphCutAtSpaceByPrintedWidth();
    void unbrokenRunCutHardAtWhatFits();
};
