#pragma once

#include "history/HistoryParts.h"

#include <QObject>

// Fills the earlier-forms list for the aircraft on the form screen, and positions the Form
// data control on a form double-clicked there, for the window to show it.
class HistoryHandlers : public QObject
{
    Q_OBJECT
public:
    explicit HistoryHandlers(const HistoryParts &parts);

    // Reads the list again for the aircraft on screen; only while the list is open.
    void refresh();
    // Makes the chosen form the current record of Data1 and asks for it to be shown.
    void showForm(qint64 recordId);

signals:
    void recordChosen();

private:
    HistoryParts w;
};
