#include "print/PageProgressDialog.h"

PageProgressDialog::PageProgressDialog(const QString &title, QWidget *parent)
    : m_dialog(QObject::tr("Drawing the pages of the form..."), QObject::tr("Cancel"), 0, 0, parent)
{
    m_dialog.setWindowTitle(title);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(ShowAfterMs);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setValue(0);  // starts the clock that decides whether the dialog shows
}

bool PageProgressDialog::pageDone(int pagesDone, int pagesTotal)
{
    m_dialog.setLabelText(QObject::tr("Page %1 of %2").arg(pagesDone).arg(pagesTotal));
    m_dialog.setMaximum(pagesTotal);
    m_dialog.setValue(
        pagesDone);  // a modal dialog lets the window paint and Cancel be pressed here
    return !m_dialog.wasCanceled();
}
