#include "ui/LongWorkDialog.h"

#include "ui/WaitCursor.h"

#include <QApplication>

namespace {
constexpr qint64 kShowAfterMs = 1000;
}

LongWorkDialog::LongWorkDialog(QWidget *parent)
    : m_parent(parent)
{
    LongWork::setObserver(this);
}

LongWorkDialog::~LongWorkDialog()
{
    if (LongWork::observer() == this)
        LongWork::setObserver(nullptr);
}

void LongWorkDialog::begin(const QString &what)
{
    m_what = what;
    m_timer.start();
    m_wait = std::make_unique<WaitCursor>();
}

void LongWorkDialog::step()
{
    if (!m_timer.isValid())
        return;
    if (!m_dialog && m_timer.elapsed() > kShowAfterMs) {
        m_dialog = std::make_unique<QProgressDialog>(m_what, QString(), 0, 0, m_parent);
        m_dialog->setWindowTitle(QApplication::applicationDisplayName());
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->show();
    }
    if (m_dialog)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LongWorkDialog::end()
{
    m_dialog.reset();
    m_wait.reset();
    m_timer.invalidate();
}

bool LongWorkDialog::isShowing() const
{
    return m_dialog && m_dialog->isVisible();
}
