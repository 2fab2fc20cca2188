#include "search/SearchHandlers.h"

#include "data/DbError.h"
#include "data/QueryWatch.h"
#include "data/Recordset.h"
#include "form/FormScreen.h"
#include "form/MatchStatus.h"
#include "search/FindPanel.h"
#include "search/SearchConditions.h"
#include "search/SearchProgress.h"
#include "ui/ButtonBar.h"
#include "ui/MessageService.h"
#include "ui/Twips.h"
#include "ui/WaitCursor.h"

#include <QLineEdit>
#include <QPushButton>
#include <optional>

SearchHandlers::SearchHandlers(const SearchParts &parts)
    : w(parts)
{
    // The Find button is wired by the window: a form with unsaved changes is settled first.
    connect(w.Panel3D3->Command3D7, &QPushButton::clicked, this, &SearchHandlers::Command3D7_Click);
    connect(w.Panel3D3->Command3D9, &QPushButton::clicked, this, &SearchHandlers::Command3D9_Click);
    connect(w.Panel3D3->Command3D10, &QPushButton::clicked, this,
            &SearchHandlers::Command3D10_Click);
}

void SearchHandlers::Command3D27_Click()
{
    w.NewFormFlag = 0;
    w.Panel3D4->hide();
    if (!w.Panel3D7->isHidden()) {
        w.Panel3D7->hide();
        w.buttonBar.apply(ButtonBar::Event::SetupPanelClosed);
    }
    if (!w.Panel3D3->isHidden())
        return;
    w.Panel3D3->move(twipsToPixels(2295, w.Panel3D3), twipsToPixels(2340, w.Panel3D3));
    w.Panel3D3->raise();
    w.Panel3D3->show();
    w.buttonBar.apply(ButtonBar::Event::FindPanelOpened);
    w.Panel3D3->Text36->setFocus();
}

void SearchHandlers::Command3D7_Click()
{
    w.FindFromFirst = 1;
    SearchForms();
}

void SearchHandlers::Command3D9_Click()
{
    w.FindFromFirst = 0;
    SearchForms();
}

void SearchHandlers::Command3D10_Click()
{
    w.Panel3D3->clearBoxes();
    w.FindFromFirst = 0;
    SearchForms();
}

void SearchHandlers::SearchForms()
{
    const SearchConditions conditions(w.Panel3D3->boxTexts());
    bool found = false;
    bool canceled = false;
    QString failure;
    // What a canceled search goes back to: the record source and the record shown.
    const Criterion previousFilter = w.Data1.filter();
    const std::optional<qint64> previousRecord
        = w.Data1.hasCurrent() ? std::optional<qint64>(w.Data1.recordId()) : std::nullopt;
    try {
        const WaitCursor wait;
        SearchProgress progress(w.Panel3D3->window(), showProgressAfterMs);
        std::optional<QueryWatch> watch;
        if (const std::shared_ptr<Database> db = w.Data1.database())
            watch.emplace(*db, [&progress] { return progress.keepGoing(); });
        try {
            // The record source stays in force, so next and previous walk the matches.
            w.Data1.setTable(QStringLiteral("Form"), conditions.criterion());
            // Refreshing stands on the first match already: asking again whether there is
            // one would scan a large table a second time when nothing matches.
            w.Data1.refresh();
            found = w.Data1.hasCurrent();
            if (found && w.FindFromFirst != 1)
                w.Data1.moveLast();
        } catch (const DbError &) {
            canceled = watch && watch->wasStopped();
            if (!canceled)
                throw;
        }
        watch.reset();
        if (canceled)
            backTo(previousFilter, previousRecord);
    } catch (const DbError &error) {
        found = false;
        failure = error.message();
    }

    if (canceled) {
        // The search panel stays open with what was typed; the record shown stays.
        return;
    }
    if (!failure.isEmpty()) {
        w.messages.tell(QObject::tr("The search could not be run: %1").arg(failure),
                        QObject::tr("Search Results"), Msg::Icon::Exclamation);
    } else if (found) {
        emit matchFound();
        MatchStatus::tellFound(w.Data1, w.messages);
    } else {
        w.messages.tell(QObject::tr("No matches found within database"),
                        QObject::tr("Search Results"), Msg::Icon::None);
    }

    w.Panel3D3->hide();
    w.buttonBar.apply(ButtonBar::Event::SearchRun);
    // Save stays off while the description page is open; closing that page decides.
    if (w.Panel3D1->isBackPageShown())
        w.buttonBar.apply(ButtonBar::Event::DescriptionPageShown);
}

void SearchHandlers::backTo(const Criterion &filter, std::optional<qint64> record)
{
    w.Data1.setTable(QStringLiteral("Form"), filter);
    w.Data1.refresh();
    if (record)
        w.Data1.findFirst(Criterion::equals(QStringLiteral("RecordId"), *record));
}
