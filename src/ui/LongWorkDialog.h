#pragma once

#include "data/LongWork.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <memory>

class WaitCursor;

// Shows long work of the data layer: the hourglass at once, and a progress dialog
// (busy, without Cancel: the work is one transaction that must finish) once it has taken
// more than a second. The window keeps painting meanwhile; typing and clicks wait.
class LongWorkDialog : public LongWork
{
public:
    explicit LongWorkDialog(QWidget *parent);
    ~LongWorkDialog() override;

    void begin(const QString &what) override;
    void step() override;
    void end() override;

    // True while the dialog is shown (for tests).
    bool isShowing() const;

private:
    QWidget *m_parent;
    QString m_what;
    QElapsedTimer m_timer;
    std::unique_ptr<WaitCursor> m_wait;
    std::unique_ptr<QProgressDialog> m_dialog;
};
