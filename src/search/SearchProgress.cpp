#include "search/SearchProgress.h"

#include <QApplication>
#include <QProgressDialog>

SearchProgress::SearchProgress(QWidget *parent, int showAfterMs)
    : m_parent(parent)
    , m_showAfterMs(showAfterMs)
{
    m_timer.start();
}

SearchProgress::~SearchProgress() = default;

bool SearchProgress::keepGoing()
{
    if (m_canceled)
        return false;
    if (!m_dialog) {
        if (m_timer.elapsed() < m_showAfterMs)
            return true;
        m_dialog = std::make_unique<QProgressDialog>(QObject::tr("Searching the stored forms..."),
                                                     QObject::tr("Cancel"), 0, 0, m_parent);
        m_dialog->setObjectName(QStringLiteral("searchProgress"));
        m_dialog->setWindowTitle(QObject::tr("Search Results"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->show();
    }
    QApplication::processEvents();
    m_canceled = m_dialog->wasCanceled();
    return !m_canceled;
}
