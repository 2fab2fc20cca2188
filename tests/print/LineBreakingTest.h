#pragma once

#include <QObject>

class LineBreakingTest : public QObject
{
    Q_OBJECT

private slots:
    void ownerName_data();
    void ownerName();
    void description_data();
    void description();
    void descriptionKeepsEveryWordInOrder();
    void ownerNameTerminatesOnAnyText();
    void descriptionWorkGrowsLinearly();
};
