#pragma once

#include <QFrame>

class QComboBox;

// The inspector administration panel (with the report-period block); it lies over the set-up panel.
class AdminPanel : public QFrame {
    Q_OBJECT
public:
    explicit AdminPanel(QWidget* parent = nullptr);

    QComboBox* Combo6;  // all inspector names
};
