#pragma once

#include "print/PageProgress.h"

#include <QProgressDialog>

class QWidget;

// A progress dialog with Cancel over a print run, a preview or an export. It shows
// itself only when the run goes on for more than half a second, so a short form
// prints without a flash; while it is up the window keeps repainting.
class PageProgressDialog : public PageProgress
{
public:
    PageProgressDialog(const QString &title, QWidget *parent);

    bool pageDone(int pagesDone, int pagesTotal) override;

    static constexpr int ShowAfterMs = 500;

private:
    QProgressDialog m_dialog;
};
