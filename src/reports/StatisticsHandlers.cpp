#include "reports/StatisticsHandlers.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "ui/Dates.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString countText(double value)
{
    return QString::number(value, 'f', value == qRound64(value) ? 0 : 2);
}

}  // namespace

StatisticsHandlers::StatisticsHandlers(const StatisticsParts &parts)
    : w(parts)
{
    QObject::connect(w.periodStart, &QLineEdit::textChanged, w.periodStart,
                     [this] { Text47_Change(11); });
    QObject::connect(w.periodEnd, &QLineEdit::textChanged, w.periodEnd,
                     [this] { Text47_Change(13); });
    QObject::connect(w.SSCommand14, &QPushButton::clicked, w.SSCommand14,
                     [this] { SSCommand14_Click(); });
}

QDate StatisticsHandlers::periodStart() const
{
    return Dates::parse(w.periodStart->text());
}

QDate StatisticsHandlers::periodEnd() const
{
    return Dates::parse(w.periodEnd->text());
}

void StatisticsHandlers::Text47_Change(int index)
{
    if (index != 11 && index != 13)
        return;
    w.SSCommand14->setEnabled(periodStart().isValid() && periodEnd().isValid());
}

void StatisticsHandlers::SSCommand14_Click()
{
    // The dates are read here in the user's settings and reach the statements as dates,
    // so a day-first or month-first text is never read the other way round.
    const QDate from = periodStart();
    const QDate to = periodEnd();
    if (!from.isValid() || !to.isValid())
        return;
    const WaitCursor wait;
    const QString formsFile = w.formsDatabase();
    // Why a count was not made; the boxes must then not go on showing another period's numbers.
    QString failure;
    std::shared_ptr<Database> forms;
    try {
        forms = Database::open(formsFile);
    } catch (const DbError &error) {
        // The file could not be opened: no count can be made.
        failure = fileFaultInWords(error);
        if (failure.isEmpty())
            failure = error.message();
    }
    if (forms) {
        // The four counts make and drop the stored query in one transaction: one commit
        // to the disk instead of eight, and an interrupted run leaves no stale query behind.
        bool inTransaction = false;
        skipFailingStep([&] {
            forms->beginTransaction();
            inTransaction = true;
        });
        w.datSecondaryRS.setDatabaseName(formsFile);
        for (const PeriodCountQueries::Statement &statement :
             PeriodCountQueries::statements(from, to)) {
            if (count(*forms, statement, failure) == Outcome::Stop)
                break;
        }
        // The stored query is gone; the control goes back to its table.
        w.datSecondaryRS.setTable(QStringLiteral("Form"));
        w.datSecondaryRS.close();
        if (inTransaction) {
            try {
                forms->commit();
            } catch (const DbError &) {
                skipFailingStep([&] { forms->rollback(); });
            }
        }
    }
    if (!failure.isEmpty()) {
        for (QLineEdit *box : w.Text48)
            box->clear();
        w.messages.tell(
            QObject::tr("The counts for the period could not be made from \"%1\": %2.\n\n"
                        "The boxes are left empty.")
                .arg(QDir::toNativeSeparators(DataFolder::resolvePath(formsFile)), failure),
            QObject::tr("Report Period"), Msg::Icon::Exclamation);
        return;
    }
    showTotals();
}

StatisticsHandlers::Outcome
StatisticsHandlers::count(Database &forms, const PeriodCountQueries::Statement &statement,
                          QString &failure)
{
    const QString queryName = QString::fromLatin1(kQueryName);
    try {
        createStoredQuery(forms, statement);
    } catch (const DbError &error) {
        return failed(error, failure);
    }
    Outcome outcome = Outcome::Counted;
    try {
        w.datSecondaryRS.setStoredQuery(queryName);
        w.datSecondaryRS.refresh();
        const QVariant value = w.datSecondaryRS.field(QStringLiteral("NewCount"));
        w.Text48[statement.box]->setText(countText(value.toDouble()));
    } catch (const DbError &error) {
        outcome = failed(error, failure);
    }
    skipFailingStep([&] { forms.deleteQuery(queryName); });
    return outcome;
}

// A count that fails on a date the engine does not read stops the calculation silently,
// and any other failure skips that count; only a file that cannot be used (gone,
// read-only, locked, full) means no count can be made, which failure then says.
StatisticsHandlers::Outcome StatisticsHandlers::failed(const DbError &error, QString &failure)
{
    if (failure.isEmpty())
        failure = fileFaultInWords(error);
    return error.number() == EngineError::QuerySyntax ? Outcome::Stop : Outcome::Skipped;
}

void StatisticsHandlers::createStoredQuery(Database &forms,
                                           const PeriodCountQueries::Statement &statement)
{
    const QString queryName = QString::fromLatin1(kQueryName);
    try {
        forms.createQuery(queryName, statement.sql, statement.params);
    } catch (const DbError &error) {
        if (error.number() != EngineError::ObjectExists)
            throw;
        // Left over from a run that was interrupted: replace it.
        forms.deleteQuery(queryName);
        forms.createQuery(queryName, statement.sql, statement.params);
    }
}

void StatisticsHandlers::showTotals()
{
    const std::array<QLineEdit *, 6> &boxes = w.Text48;
    auto valueOf = [&](int i) {
        return Numbers::leadingValue(boxes[i]->text());
    };
    boxes[3]->setText(countText(valueOf(1) + valueOf(0)));
    boxes[5]->setText(countText(valueOf(4) + valueOf(2)));
}
