#pragma once

#include <QObject>

// Start-up and writing on database files that are missing, empty, cut short, filled
// with noise, old Access files, read-only, locked by another program or on a full disk:
// a message naming the file, no crash, and no byte of an existing file changed.
class BrokenFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void startup_data();
    void startup();
    void abandonedTransactionIsRolledBack_data();
    void abandonedTransactionIsRolledBack();
    void readOnlyFileRefusesWrites();
    void fullDiskRefusesWrites();
};
