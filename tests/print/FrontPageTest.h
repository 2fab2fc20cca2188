#pragma once

#include <QObject>

class FrontPageTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void emblemAfterRulesBeforeTexts();
    void labels_data();
    void labels();
    void labelsInDrawingOrder();
    void headerLinesFollowEachOther();
    void entries_data();
    void entries();
    void emptyAircraftValuesPrintNothing();
    void marks_data();
    void marks();
    void unitRows_data();
    void unitRows();
    void ownerName_data();
    void ownerName();
    void dates_data();
    void dates();
};
