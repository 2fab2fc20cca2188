#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class QVariant;

// The "Copies" box (Panel3D5) that the Print button opens: how many copies to print,
// with OK and Cancel. It hides itself when either button is pressed and reports which.
class CopiesPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CopiesPanel(QWidget *parent = nullptr);

    // Shows the box offering the default number of copies (the Defaults' Organ1 field, at
    // least three for a form with extended-range fuel tanks).
    void open(const QVariant &organ1, bool extendedRangeFuel = false);
    QString copiesText() const;

    QLabel *Label13;
    QLineEdit *Text45;
    QPushButton *Command1[2];

signals:
    void okPressed(const QString &copiesText);
    void cancelPressed();

private:
    void Command1_Click(int index);
};
