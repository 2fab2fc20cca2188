#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

// The "Find Match" panel: stored forms are found by example over eleven boxes.
// It has no close button; one of its three buttons leaves it. Its own background
// takes mouse presses, so the panel can be dragged by any spot outside its controls.
class FindPanel : public QFrame
{
    Q_OBJECT
public:
    explicit FindPanel(QWidget *parent = nullptr);

    // The boxes, named as in the window design.
    QLineEdit *Text36 = nullptr;  // registration mark
    QLineEdit *Text35 = nullptr;  // serial number
    QLineEdit *Text28 = nullptr;  // make
    QLineEdit *Text27 = nullptr;  // model
    QLineEdit *Text34 = nullptr;  // series
    QLineEdit *Text32 = nullptr;  // owner name
    QLineEdit *Text30 = nullptr;  // city
    QLineEdit *Text33 = nullptr;  // state
    QLineEdit *Text31 = nullptr;  // unit make
    QLineEdit *Text29 = nullptr;  // unit model
    QLineEdit *Text37 = nullptr;  // agency name

    QPushButton *Command3D7 = nullptr;   // "Find First"
    QPushButton *Command3D9 = nullptr;   // "Find Last"
    QPushButton *Command3D10 = nullptr;  // "Show All Records"

    // The eleven boxes in the order the search reads them (also the tab order).
    QList<QLineEdit *> boxes() const { return m_boxes; }
    QStringList boxTexts() const;
    void clearBoxes();

private:
    QList<QLineEdit *> m_boxes;
};
