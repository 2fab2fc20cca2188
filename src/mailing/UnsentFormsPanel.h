#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

// The list of approved forms whose FAA copy is not recorded as sent, with their deadlines
// and addresses; the inspector ticks the forms mailed together and records the sending once.
class UnsentFormsPanel : public QDialog
{
    Q_OBJECT
public:
    explicit UnsentFormsPanel(QWidget *parent = nullptr);

    // Columns of the list; the first holds the tick and the form's record key.
    enum Column { Mark, Approved, Due, Address, ColumnCount };

    QTableWidget *lstUnsent;
    QLineEdit *txtSentDate;
    QLineEdit *txtSentTracking;
    QPushButton *cmdRecordSent;
    QPushButton *cmdClose;

    // The record keys of the ticked rows.
    QList<qint64> tickedForms() const;
};
