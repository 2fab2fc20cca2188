#include "import/ImportSummary.h"

#include <QDir>
#include <QObject>

bool ImportSummary::complete() const
{
    if (!committed() || !problems.isEmpty())
        return false;
    for (const TableCounts &c : tables) {
        if (c.refused > 0)
            return false;
    }
    return true;
}

ImportSummary::TableCounts &ImportSummary::counts(const QString &table)
{
    for (TableCounts &c : tables) {
        if (c.table == table)
            return c;
    }
    tables.append(TableCounts{table});
    return tables.last();
}

const ImportSummary::TableCounts *ImportSummary::find(const QString &table) const
{
    for (const TableCounts &c : tables) {
        if (c.table == table)
            return &c;
    }
    return nullptr;
}

int ImportSummary::formsRead() const
{
    const TableCounts *forms = find(QStringLiteral("Form"));
    return forms ? forms->read : 0;
}

double ImportSummary::formsPerSecond() const
{
    if (milliseconds <= 0)
        return 0.0;
    return formsRead() * 1000.0 / double(milliseconds);
}

QString ImportSummary::headline() const
{
    switch (outcome) {
    case Outcome::Imported:
        return complete()
                   ? QObject::tr("The Access data was imported.")
                   : QObject::tr("The Access data was imported, with the problems listed below.");
    case Outcome::Cancelled:
        return QObject::tr("The import was cancelled: nothing was imported, nothing was changed.");
    case Outcome::Failed:
        break;
    }
    return QObject::tr("Nothing was imported and nothing was changed.");
}

QString ImportSummary::text() const
{
    QStringList lines;
    lines << QObject::tr("Import of Access data") << QString();
    lines << QObject::tr("From: %1").arg(QDir::toNativeSeparators(sourceFolder));
    lines << QObject::tr("Into: %1").arg(QDir::toNativeSeparators(targetFolder));
    lines << headline() << QString();

    if (!tables.isEmpty()) {
        const QString header = QStringLiteral("%1 %2 %3 %4 %5")
                                   .arg(QObject::tr("Table"), -12)
                                   .arg(QObject::tr("read"), 8)
                                   .arg(QObject::tr("imported"), 9)
                                   .arg(QObject::tr("skipped"), 8)
                                   .arg(QObject::tr("refused"), 8);
        lines << header;
        for (const TableCounts &c : tables) {
            lines << QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(c.table, -12)
                         .arg(c.read, 8)
                         .arg(c.imported, 9)
                         .arg(c.skipped, 8)
                         .arg(c.refused, 8);
        }
        lines << QObject::tr(
            "(skipped: already present in the data folder, or kept out by a merging rule)");
        lines << QString();
    }

    if (!problems.isEmpty()) {
        lines << QObject::tr("Problems:");
        for (const QString &p : problems)
            lines << QStringLiteral("- ") + p;
        lines << QString();
    }
    if (!notes.isEmpty()) {
        lines << QObject::tr("Notes:");
        for (const QString &n : notes)
            lines << QStringLiteral("- ") + n;
        lines << QString();
    }
    if (milliseconds > 0 && formsRead() > 0) {
        lines << QObject::tr("%1 forms in %2 s (%3 forms per second).")
                     .arg(formsRead())
                     .arg(milliseconds / 1000.0, 0, 'f', 2)
                     .arg(formsPerSecond(), 0, 'f', 0);
    }
    if (!reportPath.isEmpty())
        lines
            << QObject::tr("This summary is also in %1").arg(QDir::toNativeSeparators(reportPath));
    return lines.join(u'\n') + u'\n';
}
