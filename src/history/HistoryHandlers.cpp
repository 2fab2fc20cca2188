#include "history/HistoryHandlers.h"

#include "data/Criterion.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SchemaSql.h"
#include "form/FormSnapshot.h"
#include "history/EarlierForms.h"
#include "history/EarlierFormsPanel.h"
#include "ui/Dates.h"
#include "ui/MessageService.h"

#include <QTreeWidget>

HistoryHandlers::HistoryHandlers(const HistoryParts &parts)
    : w(parts)
{
    connect(w.panel, &EarlierFormsPanel::opened, this, &HistoryHandlers::refresh);
    connect(w.panel, &EarlierFormsPanel::formChosen, this, &HistoryHandlers::showForm);
}

void HistoryHandlers::refresh()
{
    if (!w.panel->isOpen())
        return;
    QTreeWidget *list = w.panel->lstEarlierForms;
    list->clear();
    const std::shared_ptr<Database> forms = w.Data1.database();
    if (!forms)
        return;
    const FormSnapshot form = FormSnapshot::read(*w.Panel3D1);
    const qint64 onScreen
        = w.NewFormFlag == 0 ? readOr([&] { return w.Data1.recordId(); }, qint64(0)) : 0;
    QList<EarlierForms::Entry> entries;
    // A list that cannot be read stays empty; the form screen goes on.
    skipFailingStep([&] {
        entries = EarlierForms::find(
            *forms, {form.registrationMark, form.make, form.model, form.serialNumber}, onScreen);
    });
    for (const EarlierForms::Entry &e : entries) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(EarlierFormsPanel::Date,
                      e.date.isValid() ? Dates::shortForm(e.date) : QString());
        item->setData(EarlierFormsPanel::Date, Qt::UserRole, e.recordId);
        item->setText(EarlierFormsPanel::Mark, e.registrationMark);
        item->setText(EarlierFormsPanel::Unit, e.unit);
        item->setText(EarlierFormsPanel::Work, e.work);
        item->setText(EarlierFormsPanel::Verdict, e.verdict);
        item->setText(EarlierFormsPanel::Description, e.firstLine);
        item->setToolTip(EarlierFormsPanel::Description, e.firstLine);
    }
    for (int c = 0; c < EarlierFormsPanel::Description; ++c)
        list->resizeColumnToContents(c);
}

void HistoryHandlers::showForm(qint64 recordId)
{
    if (w.settleUnsavedChanges && !w.settleUnsavedChanges())
        return;
    const Criterion thisForm = Criterion::equals(QLatin1String(SchemaSql::kRecordId), recordId);
    try {
        w.Data1.findFirst(thisForm);
        if (w.Data1.noMatch()) {
            // The record source is a search that does not hold the form: all forms again.
            w.Data1.setTable(QStringLiteral("Form"));
            w.Data1.refresh();
            w.Data1.findFirst(thisForm);
        }
    } catch (const DbError &error) {
        w.messages.tell(QObject::tr("The form could not be shown: %1").arg(error.message()),
                        QObject::tr("Earlier forms"), Msg::Icon::Exclamation);
        return;
    }
    if (w.Data1.noMatch()) {
        w.messages.tell(QObject::tr("The form is no longer stored (deleted on another "
                                    "workstation)."),
                        QObject::tr("Earlier forms"), Msg::Icon::Exclamation);
        refresh();
        return;
    }
    emit recordChosen();
}
