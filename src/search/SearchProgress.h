#pragma once

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

// The progress of a search that has not answered within showAfterMs: a dialog with
// Cancel, and the window painting meanwhile. Its window is modal, so nothing else of
// the window can be clicked while the search runs.
class SearchProgress
{
public:
    explicit SearchProgress(QWidget *parent, int showAfterMs = kShowAfterMs);
    ~SearchProgress();

    // Called often while the search runs: shows the dialog when it is time, lets the
    // window paint and Cancel be clicked; false once Cancel was clicked.
    bool keepGoing();

    // How long a search runs before its progress shows.
    static constexpr int kShowAfterMs = 100;

private:
    QWidget *m_parent;
    int m_showAfterMs;
    QElapsedTimer m_timer;
    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_canceled = false;
};
