#pragma once

#include <QObject>

// The program as separate processes on one data folder: killed at random moments
// while saving and editing, and two of them working on the same files at once.
// FORM337_KILLS and FORM337_SOAK_SECONDS lengthen the runs (scripts/crash-test);
// FORM337_EARLY_KILLS makes every kill fall while the program starts.
class ProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedAtRandomMomentsLosesNothing();
    void twoProgramsOnOneFolder();
    void lockThatClearsIsWaitedOut();
    void countsWaitForAnotherWriter();
};
