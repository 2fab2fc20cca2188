#pragma once

#include <QFrame>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The inspector administration panel (with the report-period block); it lies over the set-up panel.
class AdminPanel : public QFrame
{
    Q_OBJECT
public:
    explicit AdminPanel(QWidget *parent = nullptr);

    QComboBox *Combo6;  // all inspector names

    // The Text47 array holds only the elements the window design gives it:
    //   9  old password (read-only, the stored one)   10 new password (at most 10 typed)
    //  11  start of the report period                 12 administrator password (echo "*", at most 10)
    //  13  end of the report period                   15 certification number (at most 20 typed)
    //  17  name entry box, in Combo6's place while a new inspector is entered (at most 20 typed)
    // Every other element is nullptr.
    QLineEdit *Text47[18] = {};

    QGroupBox *Frame1;         // "Administrator"
    QRadioButton *Option3;     // "Yes"
    QRadioButton *Option4;     // "No"
    QPushButton *SSCommand10;  // "Save"
    QPushButton *SSCommand11;  // "Delete"
    QPushButton *SSCommand12;  // "New"
    QPushButton *SSCommand13;  // "Exit"

    // The "Report Period" block.
    QPushButton *SSCommand14;        // "Calculate"
    QPushButton *cmdStatisticsCsv;   // the period's counts as CSV (src/reports)
    QPushButton *cmdActivityReport;  // the inspection activity report (src/reports)
    // Counts: 0 approved repairs, 1 approved alterations, 2 rejected repairs,
    // 4 rejected alterations; 3 and 5 the approved and rejected totals.
    QLineEdit *Text48[6] = {};

    // Shows the name entry box in Combo6's place (while a new inspector is entered) or Combo6.
    void showNameEntry(bool entering);
};
