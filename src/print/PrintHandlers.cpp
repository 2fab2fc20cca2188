#include "print/PrintHandlers.h"

#include "data/DbError.h"
#include "data/Recordset.h"
#include "form/FormScreen.h"
#include "form/FormSnapshot.h"
#include "print/CopiesPanel.h"
#include "print/PreviewHandlers.h"
#include "print/PrintChecklist.h"
#include "print/PrintJob.h"
#include "print/QtPrintEnvironment.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

PrintHandlers::PrintHandlers(const PrintParts &parts)
    : w(parts)
{
    QObject::connect(w.Command3D14, &QPushButton::clicked, w.Panel3D5,
                     [this] { Command3D14_Click(); });
    QObject::connect(w.Panel3D5, &CopiesPanel::okPressed, w.Panel3D5,
                     [this] { Command1_Click(0); });
    QObject::connect(w.Panel3D5, &CopiesPanel::cancelPressed, w.Panel3D5,
                     [this] { Command1_Click(1); });
    m_previewHandlers = std::make_unique<PreviewHandlers>(w, *this);
}

PrintHandlers::~PrintHandlers() = default;

PrintEnvironment &PrintHandlers::environment()
{
    if (w.printEnvironment)
        return *w.printEnvironment;
    if (!m_systemPrinters)
        m_systemPrinters = std::make_unique<QtPrintEnvironment>();
    m_systemPrinters->setPrinterName(w.selectedPrinterName);
    return *m_systemPrinters;
}

std::optional<int> PrintHandlers::topShift() const
{
    // An unreadable setting prints without the shift.
    const QVariant shift
        = readOr([&] { return w.setupCursor.field(QStringLiteral("TopShift")); }, QVariant());
    if (shift.isNull())
        return std::nullopt;
    return shift.toInt();
}

bool PrintHandlers::checklistWanted() const
{
    // Null (a settings file of an earlier version, or never changed) keeps it on.
    const QVariant on
        = readOr([&] { return w.setupCursor.field(QStringLiteral("PrintChecklist")); }, QVariant());
    return on.isNull() || on.toInt() != 0;
}

void PrintHandlers::Command3D14_Click()
{
    // An approved form is printed to be signed: the checklist warns first, unless turned off.
    const FormSnapshot form = FormSnapshot::read(*w.Panel3D1);
    if (form.verdict == FormSnapshot::Approved && checklistWanted()
        && !PrintChecklist::confirm(w.messages, form))
        return;
    QVariant organ1;
    // No defaults record: the box offers one copy.
    skipFailingStep([&] { organ1 = w.Data3.field(QStringLiteral("Organ1")); });
    // Check2 ticked (not greyed): extended-range fuel tanks need a copy kept aboard.
    w.Panel3D5->open(organ1, w.Panel3D1->Check2->checkState() == Qt::Checked);
    w.Panel3D5->raise();
    w.Panel3D5->Text45->setFocus();
    w.Panel3D5->Text45->selectAll();
}

void PrintHandlers::Command1_Click(int index)
{
    w.Panel3D5->hide();
    if (index != 0)
        return;
    PrintJob job(environment(), w.messages, [this] { return topShift(); });
    job.printCopies(w.Panel3D5->copiesText(), FormSnapshot::read(*w.Panel3D1));
}

void PrintHandlers::PrintForm()
{
    PrintJob job(environment(), w.messages, [this] { return topShift(); });
    job.PrintForm(FormSnapshot::read(*w.Panel3D1));
}
