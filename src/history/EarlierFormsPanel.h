#pragma once

#include <QFrame>

class QToolButton;
class QTreeWidget;

// A collapsible list beside the form screen of the stored forms of the same aircraft,
// newest first. A double-click on a form asks for it to be shown.
class EarlierFormsPanel : public QFrame
{
    Q_OBJECT
public:
    explicit EarlierFormsPanel(QWidget *parent = nullptr);

    enum Column { Date, Mark, Unit, Work, Verdict, Description, ColumnCount };

    QToolButton *cmdEarlierForms;  // opens and closes the list
    QTreeWidget *lstEarlierForms;  // one row per form; the record key in the first column

    bool isOpen() const;
    void setOpen(bool open);

signals:
    void opened();
    void formChosen(qint64 recordId);
};
