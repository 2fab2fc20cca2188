#include "data/Recordset.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/EngineValues.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"

#include <QRandomGenerator>

#include <algorithm>
#include <optional>

namespace {

enum class SourceKind { None, Table, Sql, StoredQuery };

// One record of the source: its key (RecordId for tables, the row index for
// loaded rows) and its values in column order.
struct Row
{
    qint64 key = 0;
    QVariantList values;
    QVariant changeCount;  // null where the table keeps none
};

// The key and the change counter, quoted: the server keeps the case of names only quoted.
QString keyColumn()
{
    return SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId));
}

QString counterColumn()
{
    return SchemaSql::quoted(QLatin1String(SchemaSql::kChangeCount));
}

[[noreturn]] void noCurrentRecord()
{
    throw DbError(EngineError::NoCurrentRecord, QStringLiteral("No current record."));
}

const FieldSpec *dateFieldNamed(const QString &column)
{
    for (const TableSpec *definition :
         Schema::formsFileTables() + Schema::agentsFileTables() + Schema::settingsFileTables()) {
        const FieldSpec *field = definition->field(column);
        if (field && field->kind == FieldKind::Date)
            return field;
    }
    return nullptr;
}

}  // namespace

struct Recordset::Private
{
    QString name;
    QString databaseName;

    SourceKind kind = SourceKind::None;
    QString tableName;
    Criterion filter;
    Criterion filterRun;  // the filter as its statements run it, chosen at refresh
    // The keys the filter selects, in order, where they are cheap to read: read once for
    // placeIfCheap(), dropped at refresh and on every write of this record set.
    std::optional<QList<qint64>> matchKeys;
    bool matchKeysRead = false;
    QString sql;
    QVariantList sqlParams;
    QString storedQuery;

    std::shared_ptr<Database> db;
    const TableSpec *definition = nullptr;  // table sources
    QString selectList;          // table sources: RecordId, every field, the change counter
    bool countsChanges = false;  // table sources: the table keeps a change counter

    // Loaded sources (SQL text or stored query): the rows and their column names.
    QStringList columns;
    QList<QVariantList> loadedRows;

    // Position. The current record's values are cached; after a delete the key is
    // kept (so moves go on from there) but there is no current record.
    bool bof = true;
    bool eof = true;
    bool onDeleted = false;
    std::optional<Row> current;
    bool noMatch = false;

    // Edit buffer: the fields set since addNew/edit, in the order they were set.
    EditMode mode = EditMode::None;
    QStringList changedOrder;
    QHash<QString, QVariant> changed;  // by field name as the schema spells it

    bool isLoaded() const { return kind == SourceKind::Sql || kind == SourceKind::StoredQuery; }

    void requireOpen() const
    {
        if (!db)
            throw DbError(EngineError::ObjectNotSet,
                          QStringLiteral("%1 has no open database.").arg(name));
    }

    void requireUpdatable() const
    {
        requireOpen();
        if (kind != SourceKind::Table)
            throw DbError(EngineError::ReadOnly,
                          QStringLiteral("%1: the record source is read-only.").arg(name));
    }

    // Moves to the first (or last) row meeting the criterion; noMatch tells when none does
    // and the current row stays as it was.
    void find(const Criterion &criterion, bool last)
    {
        requireOpen();
        if (isLoaded())
            throw DbError(EngineError::NotSupported,
                          QStringLiteral("%1: find needs a table as record source.").arg(name));
        if (kind == SourceKind::None)
            noCurrentRecord();
        clearBuffer();
        std::optional<Row> row = fetchOne(criterion, last);
        noMatch = !row;
        if (row)
            setCurrent(*row);
    }

    void clearBuffer()
    {
        mode = EditMode::None;
        changedOrder.clear();
        changed.clear();
    }

    // --- table sources: one record per statement, never the whole result ---

    // The key is found first and the record read by it after: selecting whole records
    // here would make the engine carry the long texts of every candidate through its sort.
    // A file without the search index reads every record instead of narrowing by it.
    Criterion runnable(const Criterion &criterion) const { return db->runnable(criterion); }

    // A filter narrowed by an index runs narrowed only while its matches are sparse:
    // walking a dense result in key order meets the next match within a few records,
    // whereas the narrowed statement gathers and sorts every candidate on each move.
    // Dense: 2 matches among the first 1000 records, or 2000 candidates or more.
    Criterion chooseFilterRun() const
    {
        const Criterion usable = runnable(filter);
        if (usable.scanSql.isEmpty())
            return usable;
        const QString table = SchemaSql::quoted(definition->name);
        const QString key = keyColumn();
        const Criterion scan = usable.scanning();
        const int inSample
            = db->value(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 <= (SELECT %2 FROM %1 "
                                       "ORDER BY %2 LIMIT 1 OFFSET 999) AND (%3)")
                            .arg(table, key, scan.sql),
                        scan.params)
                  .toInt();
        if (inSample >= 2)
            return scan;
        const int dense = 2000;
        const int found
            = db->value(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 WHERE %2 LIMIT %3)")
                            .arg(table, usable.sql)
                            .arg(dense),
                        usable.params)
                  .toInt();
        return found < dense ? usable : scan;
    }

    // Every key the filter selects, when that costs little: the filter runs narrowed by
    // the index (chosen at refresh because it has few candidates), or the table holds no
    // more than 5000 records. nullopt otherwise, as the keys would take reading the table.
    std::optional<QList<qint64>> readMatchKeys() const
    {
        const QString table = SchemaSql::quoted(definition->name);
        const QString key = keyColumn();
        const bool narrowed = !filterRun.scanSql.isEmpty();
        if (!narrowed) {
            const int small = 5000;
            const int records
                = db->value(
                        QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 LIMIT %2) AS sample")
                            .arg(table)
                            .arg(small + 1))
                      .toInt();
            if (records > small)
                return std::nullopt;
        }
        QList<qint64> keys;
        const QList<QVariantList> rows = db->rows(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %1").arg(key, table, filterRun.sql),
            filterRun.params);
        for (const QVariantList &row : rows)
            keys << row.value(0).toLongLong();
        return keys;
    }

    std::optional<Row> fetchOne(const Criterion &condition, bool descending)
    {
        const Criterion where = Criterion::allOf({filterRun, runnable(condition)});
        const QString key = keyColumn();
        QString statement
            = QStringLiteral("SELECT %1 FROM %2").arg(key, SchemaSql::quoted(definition->name));
        if (!where.isEmpty())
            statement += QStringLiteral(" WHERE ") + where.sql;
        statement += QStringLiteral(" ORDER BY %1 %2 LIMIT 1")
                         .arg(key, descending ? QLatin1String("DESC") : QLatin1String("ASC"));
        const QVariant found = db->value(statement, where.params);
        if (found.isNull())
            return std::nullopt;
        return fetchByKey(found.toLongLong());
    }

    std::optional<Row> fetchByKey(qint64 key)
    {
        const QList<QVariantList> rows
            = db->rows(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                           .arg(selectList, SchemaSql::quoted(definition->name), keyColumn()),
                       {key});
        if (rows.isEmpty())
            return std::nullopt;
        const QVariantList &stored = rows.first();
        return Row{key, stored.mid(1, definition->fields.size()),
                   countsChanges ? stored.value(definition->fields.size() + 1) : QVariant()};
    }

    static Criterion keyAfter(qint64 key) { return {keyColumn() + QStringLiteral(" > ?"), {key}}; }
    static Criterion keyBefore(qint64 key) { return {keyColumn() + QStringLiteral(" < ?"), {key}}; }

    // --- both kinds of source ---

    std::optional<Row> firstRow()
    {
        if (isLoaded())
            return loadedRows.isEmpty() ? std::nullopt
                                        : std::optional<Row>(Row{0, loadedRows.first(), {}});
        return fetchOne({}, false);
    }

    std::optional<Row> lastRow()
    {
        if (isLoaded())
            return loadedRows.isEmpty()
                       ? std::nullopt
                       : std::optional<Row>(Row{loadedRows.size() - 1, loadedRows.last(), {}});
        return fetchOne({}, true);
    }

    std::optional<Row> rowAfter(qint64 key)
    {
        if (isLoaded())
            return key + 1 < loadedRows.size()
                       ? std::optional<Row>(Row{key + 1, loadedRows[key + 1], {}})
                       : std::nullopt;
        if (matchKeysRead && matchKeys)
            return rowByMatchKeys(key, true);
        return fetchOne(keyAfter(key), false);
    }

    std::optional<Row> rowBefore(qint64 key)
    {
        if (isLoaded())
            return key - 1 >= 0 && key - 1 < loadedRows.size()
                       ? std::optional<Row>(Row{key - 1, loadedRows[key - 1], {}})
                       : std::nullopt;
        if (matchKeysRead && matchKeys)
            return rowByMatchKeys(key, false);
        return fetchOne(keyBefore(key), true);
    }

    // Once the keys of a sparse result are read, a step reads the next record by its key
    // instead of searching the index again. Like a search result anywhere, they stand as
    // they were at the search: a record deleted since is passed over, one stored since is
    // met after the next search.
    std::optional<Row> rowByMatchKeys(qint64 key, bool forward)
    {
        const QList<qint64> &keys = *matchKeys;
        if (forward) {
            for (auto at = std::upper_bound(keys.cbegin(), keys.cend(), key); at != keys.cend();
                 ++at) {
                if (std::optional<Row> row = fetchByKey(*at))
                    return row;
            }
            return std::nullopt;
        }
        for (auto at = std::lower_bound(keys.cbegin(), keys.cend(), key); at != keys.cbegin();) {
            if (std::optional<Row> row = fetchByKey(*--at))
                return row;
        }
        return std::nullopt;
    }

    bool sourceIsEmpty()
    {
        if (kind == SourceKind::None)
            return true;
        return !firstRow().has_value();
    }

    void setCurrent(const Row &row)
    {
        current = row;
        onDeleted = false;
        bof = false;
        eof = false;
    }

    void setNoRecords()
    {
        current.reset();
        onDeleted = false;
        bof = true;
        eof = true;
    }

    void positionFirst()
    {
        if (std::optional<Row> row = firstRow())
            setCurrent(*row);
        else
            setNoRecords();
    }

    int columnOf(const QString &field) const
    {
        if (isLoaded()) {
            for (int i = 0; i < columns.size(); ++i) {
                if (columns[i].compare(field, Qt::CaseInsensitive) == 0)
                    return i;
            }
        } else if (definition) {
            for (int i = 0; i < definition->fields.size(); ++i) {
                if (definition->fields[i].name.compare(field, Qt::CaseInsensitive) == 0)
                    return i;
            }
        }
        throw DbError(EngineError::ItemNotFound,
                      QStringLiteral("Item not found in this collection: %1").arg(field));
    }

    QVariant readValue(int column, const QVariant &stored) const
    {
        if (!isLoaded())
            return EngineValues::fromStored(definition->fields[column].kind, stored);
        if (const FieldSpec *dateField = dateFieldNamed(columns[column]))
            return EngineValues::fromStored(dateField->kind, stored);
        return EngineValues::fromResult(stored);
    }

    void load()
    {
        const QString statement
            = kind == SourceKind::StoredQuery
                  ? QStringLiteral("SELECT * FROM %1").arg(SchemaSql::quoted(storedQuery))
                  : sql;
        loadedRows
            = db->rows(statement, kind == SourceKind::Sql ? sqlParams : QVariantList(), &columns);
    }

    // An edit found no record with the counter it read: tells whether the record was
    // changed or deleted by another program since.
    bool isStored(qint64 key)
    {
        return db->value(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?")
                             .arg(SchemaSql::quoted(definition->name), keyColumn()),
                         {key})
                   .toInt()
               > 0;
    }

    [[noreturn]] void throwConflict(qint64 key)
    {
        const bool stillStored = isStored(key);
        DbError conflict(
            stillStored ? EngineError::ChangedByAnother : EngineError::RecordDeleted,
            stillStored
                ? QStringLiteral("it was changed on another workstation since it was shown here")
                : QStringLiteral("it was deleted on another workstation since it was shown here"));
        conflict.setFile(db->path());
        throw conflict;
    }
};

Recordset::Recordset(const QString &name)
    : d(std::make_unique<Private>())
{
    d->name = name;
}

Recordset::~Recordset() = default;

QString Recordset::name() const
{
    return d->name;
}

void Recordset::setDatabaseName(const QString &path)
{
    d->databaseName = path;
}

QString Recordset::databaseName() const
{
    return d->databaseName;
}

void Recordset::setTable(const QString &table, const Criterion &filter)
{
    d->kind = SourceKind::Table;
    d->tableName = table;
    d->filter = filter;
}

void Recordset::setSql(const QString &sql, const QVariantList &params)
{
    d->kind = SourceKind::Sql;
    d->tableName.clear();
    d->filter = {};
    d->sql = sql;
    d->sqlParams = params;
}

void Recordset::setStoredQuery(const QString &name)
{
    d->kind = SourceKind::StoredQuery;
    d->tableName.clear();
    d->filter = {};
    d->storedQuery = name;
}

QString Recordset::table() const
{
    return d->kind == SourceKind::Table ? d->tableName : QString();
}

Criterion Recordset::filter() const
{
    return d->filter;
}

void Recordset::refresh()
{
    d->clearBuffer();
    d->noMatch = false;
    d->matchKeysRead = false;

    const TableSpec *definition = nullptr;
    if (d->kind == SourceKind::Table) {
        definition = Schema::table(d->tableName);
        if (!definition)
            throw DbError(EngineError::TableNotFound,
                          QStringLiteral("Cannot find table '%1'.").arg(d->tableName));
    }
    if (d->kind == SourceKind::StoredQuery && !SchemaSql::isPlainIdentifier(d->storedQuery))
        throw DbError(EngineError::QuerySyntax,
                      QStringLiteral("'%1' is not a valid query name.").arg(d->storedQuery));

    // A failed refresh leaves the record set closed rather than half open. The old
    // database is kept until the new one is open, so re-opening the same file reuses it.
    d->setNoRecords();
    std::shared_ptr<Database> db;
    try {
        db = Database::open(d->databaseName, definition ? QList<const TableSpec *>{definition}
                                                        : QList<const TableSpec *>{});
    } catch (...) {
        d->db.reset();
        throw;
    }
    d->db = db;
    d->definition = definition;
    d->columns.clear();
    d->loadedRows.clear();
    try {
        if (definition) {
            QStringList select{keyColumn()};
            for (const FieldSpec &field : definition->fields)
                select << SchemaSql::quoted(field.name);
            d->countsChanges = db->countsChanges(definition->name);
            if (d->countsChanges)
                select << counterColumn();
            d->selectList = select.join(QStringLiteral(", "));
            d->filterRun = d->chooseFilterRun();
        } else if (d->isLoaded()) {
            d->load();
        }
        if (d->kind != SourceKind::None)
            d->positionFirst();
    } catch (...) {
        d->db.reset();
        d->setNoRecords();
        throw;
    }
}

void Recordset::close()
{
    d->clearBuffer();
    d->setNoRecords();
    d->loadedRows.clear();
    d->db.reset();
}

bool Recordset::isOpen() const
{
    return d->db != nullptr;
}

std::shared_ptr<Database> Recordset::database() const
{
    return d->db;
}

bool Recordset::bof() const
{
    return d->bof;
}

bool Recordset::eof() const
{
    return d->eof;
}

bool Recordset::hasCurrent() const
{
    return !d->bof && !d->eof && d->current && !d->onDeleted;
}

bool Recordset::isEmpty() const
{
    d->requireOpen();
    return d->sourceIsEmpty();
}

int Recordset::recordCount() const
{
    d->requireOpen();
    if (d->kind == SourceKind::None)
        return 0;
    if (d->isLoaded())
        return d->loadedRows.size();
    QString statement
        = QStringLiteral("SELECT count(*) FROM %1").arg(SchemaSql::quoted(d->definition->name));
    const Criterion where = d->runnable(d->filter);
    if (!where.isEmpty())
        statement += QStringLiteral(" WHERE ") + where.sql;
    return d->db->value(statement, where.params).toInt();
}

std::optional<Recordset::Place> Recordset::placeIfCheap() const
{
    d->requireOpen();
    if (d->kind != SourceKind::Table || d->filter.isEmpty())
        return std::nullopt;
    if (!d->matchKeysRead) {
        d->matchKeys = d->readMatchKeys();
        d->matchKeysRead = true;
    }
    if (!d->matchKeys)
        return std::nullopt;
    Place place;
    place.count = int(d->matchKeys->size());
    if (hasCurrent()) {
        const auto at
            = std::lower_bound(d->matchKeys->cbegin(), d->matchKeys->cend(), d->current->key);
        if (at != d->matchKeys->cend() && *at == d->current->key)
            place.index = int(at - d->matchKeys->cbegin()) + 1;
    }
    return place;
}

void Recordset::moveFirst()
{
    moveToEnd(true);
}

void Recordset::moveLast()
{
    moveToEnd(false);
}

void Recordset::moveNext()
{
    step(true);
}

void Recordset::movePrevious()
{
    step(false);
}

void Recordset::moveToEnd(bool first)
{
    d->requireOpen();
    d->clearBuffer();
    std::optional<Row> row = first ? d->firstRow() : d->lastRow();
    if (!row) {
        d->setNoRecords();
        noCurrentRecord();
    }
    d->setCurrent(*row);
}

// One record forward or back. Stepping off the end leaves no current record, with EOF
// (or BOF) set; both are set when the source holds no record at all.
void Recordset::step(bool forward)
{
    d->requireOpen();
    if (forward ? d->eof : d->bof)
        noCurrentRecord();
    d->clearBuffer();
    std::optional<Row> row;
    if (forward)
        row = d->bof || !d->current ? d->firstRow() : d->rowAfter(d->current->key);
    else
        row = d->eof || !d->current ? d->lastRow() : d->rowBefore(d->current->key);
    if (row) {
        d->setCurrent(*row);
        return;
    }
    const bool empty = d->sourceIsEmpty();
    d->current.reset();
    d->onDeleted = false;
    d->eof = forward || empty;
    d->bof = !forward || empty;
}

void Recordset::findFirst(const Criterion &criterion)
{
    d->find(criterion, false);
}

void Recordset::findLast(const Criterion &criterion)
{
    d->find(criterion, true);
}

bool Recordset::noMatch() const
{
    return d->noMatch;
}

void Recordset::addNew()
{
    d->requireUpdatable();
    d->clearBuffer();
    d->mode = EditMode::Add;
}

void Recordset::edit()
{
    d->requireUpdatable();
    if (!d->current || d->onDeleted)
        noCurrentRecord();
    d->clearBuffer();
    d->mode = EditMode::Edit;
}

void Recordset::update()
{
    if (d->mode == EditMode::None)
        throw DbError(EngineError::UpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    d->requireUpdatable();
    d->matchKeysRead = false;

    // Every value is checked before anything is written.
    for (const QString &fieldName : std::as_const(d->changedOrder)) {
        const FieldSpec *field = d->definition->field(fieldName);
        const QVariant &value = d->changed[fieldName];
        if ((field->kind == FieldKind::Text || field->kind == FieldKind::LongText)
            && !value.isNull() && value.toString().size() > field->maxLength)
            throw DbError(EngineError::ValueTooLarge,
                          QStringLiteral("The field '%1' is too small to accept the amount of data "
                                         "you attempted to add.")
                              .arg(field->name),
                          field->name);
    }

    QStringList names;
    QVariantList values;
    for (const QString &fieldName : std::as_const(d->changedOrder)) {
        names << SchemaSql::quoted(fieldName);
        values << d->changed[fieldName];
    }
    const QString table = SchemaSql::quoted(d->definition->name);

    qint64 key = 0;
    if (d->mode == EditMode::Add) {
        // A new record's counter starts anywhere: in a file of an earlier version the key of
        // the newest record is given again once that record is deleted, and an update meant
        // for the deleted record must not find its counter on the new one.
        if (d->countsChanges) {
            names << counterColumn();
            values << qint64(QRandomGenerator::global()->bounded(1u << 30));
        }
        QString statement;
        if (names.isEmpty()) {
            statement = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            statement = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, names.join(QStringLiteral(", ")),
                                 marks.join(QStringLiteral(", ")));
        }
        key = d->db->insert(statement, values);
    } else {
        key = d->current->key;
        if (!names.isEmpty()) {
            QStringList assignments;
            for (const QString &n : std::as_const(names))
                assignments << n + QStringLiteral(" = ?");
            QString statement = QStringLiteral("UPDATE %1 SET %2")
                                    .arg(table, assignments.join(QStringLiteral(", ")));
            QString where = QStringLiteral(" WHERE %1 = ?").arg(keyColumn());
            values << key;
            // The record is changed only as it was read: a change made meanwhile by another
            // program raised its counter, and this update then finds no record to change.
            const QVariant readCount = d->current->changeCount;
            if (d->countsChanges) {
                const QString counter = counterColumn();
                statement += QStringLiteral(", %1 = %1 + 1").arg(counter);
                if (!readCount.isNull()) {
                    where += QStringLiteral(" AND %1 = ?").arg(counter);
                    values << readCount;
                }
            }
            if (d->db->write(statement + where, values).rowsAffected == 0)
                d->throwConflict(key);
        }
    }

    d->clearBuffer();
    std::optional<Row> row = d->fetchByKey(key);
    if (!row)
        noCurrentRecord();
    d->setCurrent(*row);
}

void Recordset::reread()
{
    d->requireOpen();
    if (d->isLoaded() || !d->current || d->onDeleted)
        noCurrentRecord();
    d->clearBuffer();
    std::optional<Row> row = d->fetchByKey(d->current->key);
    if (!row) {
        DbError gone(EngineError::RecordDeleted,
                     QStringLiteral("it was deleted on another workstation"));
        gone.setFile(d->db->path());
        throw gone;
    }
    d->setCurrent(*row);
}

void Recordset::cancelUpdate()
{
    if (d->mode == EditMode::None)
        throw DbError(EngineError::UpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    d->clearBuffer();
}

Recordset::EditMode Recordset::editMode() const
{
    return d->mode;
}

void Recordset::deleteCurrent()
{
    d->requireUpdatable();
    if (!d->current || d->onDeleted)
        noCurrentRecord();
    d->matchKeysRead = false;
    d->clearBuffer();
    const qint64 key = d->current->key;
    QString statement = QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                            .arg(SchemaSql::quoted(d->definition->name), keyColumn());
    QVariantList values{key};
    // Only the record as it was read is deleted: one changed meanwhile by another program
    // is refused, so its changes are not thrown away unseen. One already deleted is gone.
    const QVariant readCount = d->current->changeCount;
    if (d->countsChanges && !readCount.isNull()) {
        statement += QStringLiteral(" AND %1 = ?").arg(counterColumn());
        values << readCount;
    }
    if (d->db->write(statement, values).rowsAffected == 0 && d->isStored(key))
        d->throwConflict(key);
    d->onDeleted = true;  // moves go on from the deleted record's place
}

QVariant Recordset::field(const QString &name) const
{
    if (d->kind == SourceKind::None || !d->db)
        noCurrentRecord();
    const int column = d->columnOf(name);
    if (d->mode == EditMode::Add) {
        const QString fieldName = d->definition->fields[column].name;
        return d->changed.contains(fieldName) ? d->readValue(column, d->changed[fieldName])
                                              : QVariant();
    }
    if (d->mode == EditMode::Edit) {
        const QString fieldName = d->definition->fields[column].name;
        if (d->changed.contains(fieldName))
            return d->readValue(column, d->changed[fieldName]);
    }
    if (!d->current || d->onDeleted)
        noCurrentRecord();
    return d->readValue(column, d->current->values.value(column));
}

qint64 Recordset::recordId() const
{
    if (d->kind != SourceKind::Table || !d->current || d->onDeleted || d->mode == EditMode::Add)
        noCurrentRecord();
    return d->current->key;
}

void Recordset::setField(const QString &name, const QVariant &value)
{
    if (d->mode == EditMode::None)
        throw DbError(EngineError::UpdateWithoutEdit,
                      QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    const int column = d->columnOf(name);
    const FieldSpec &field = d->definition->fields[column];
    const QVariant stored = EngineValues::toStored(field, value);
    if (!d->changed.contains(field.name))
        d->changedOrder << field.name;
    d->changed.insert(field.name, stored);
}
