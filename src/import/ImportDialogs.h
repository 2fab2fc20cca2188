#pragma once

#include "import/AccessImport.h"
#include "import/ImportSummary.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QProgressDialog>

// The progress of an import: records done of total, with Cancel. Modal over its
// parent; the import runs on the user-interface thread and calls update() after
// every record, which repaints now and then and lets Cancel be clicked.
class ImportProgressDialog : public QProgressDialog
{
    Q_OBJECT
public:
    explicit ImportProgressDialog(QWidget *parent = nullptr);

    // Shows the progress; false once Cancel was clicked.
    bool update(const AccessImport::Progress &progress);

private:
    QElapsedTimer m_sinceRepaint;
    QString m_stage;
};

// The summary of an import: the headline, the counts per table, the problems and notes.
class ImportSummaryDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImportSummaryDialog(const ImportSummary &summary, QWidget *parent = nullptr);
};
