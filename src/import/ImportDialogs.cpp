#include "import/ImportDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ImportProgressDialog::ImportProgressDialog(QWidget *parent)
    : QProgressDialog(parent)
{
    setObjectName(QStringLiteral("importProgress"));
    setWindowTitle(tr("Importing Access data"));
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    setCancelButtonText(tr("Cancel"));
    setRange(0, 1);
    setValue(0);
}

bool ImportProgressDialog::update(const AccessImport::Progress &progress)
{
    const bool stageChanged = progress.stage != m_stage;
    // Every record counts twice (read, then written): the label tells records.
    if (stageChanged || !m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= 50
        || progress.done >= progress.total) {
        m_stage = progress.stage;
        const qint64 records = progress.total / 2;
        const qint64 done = progress.done > records ? progress.done - records : progress.done;
        setLabelText(tr("%1\n%2 of %3 records").arg(progress.stage).arg(done).arg(records));
        setMaximum(int(qMin<qint64>(progress.total, INT_MAX)));
        setValue(int(qMin<qint64>(progress.done, maximum())));
        QCoreApplication::processEvents();
        m_sinceRepaint.restart();
    }
    return !wasCanceled();
}

ImportSummaryDialog::ImportSummaryDialog(const ImportSummary &summary, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("importSummary"));
    setWindowTitle(tr("Import of Access data"));
    auto *headline = new QLabel(summary.headline(), this);
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);
    headline->setWordWrap(true);
    auto *text = new QPlainTextEdit(summary.text(), this);
    text->setObjectName(QStringLiteral("importSummaryText"));
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headline);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    resize(760, 480);
}
