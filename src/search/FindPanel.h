#pragma once

#include <QFrame>

// The "Find Match" panel: stored forms are found by example over eleven boxes.
class FindPanel : public QFrame {
    Q_OBJECT
public:
    explicit FindPanel(QWidget* parent = nullptr);
};
