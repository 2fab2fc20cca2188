#pragma once

#include "data/Criterion.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

class Database;
struct TableSpec;

// The data control: a cursor over a record source in a database file.
//
// Two kinds of record source:
//  - a table, optionally filtered by a Criterion: records in insertion order,
//    updatable, moved one record at a time without loading the whole result;
//  - an SQL text with bound values or a stored query name: read-only rows,
//    loaded on refresh (for small results: distinct lists, counts).
//
// Positions follow the data-access conventions: after moveNext past the last
// record eof() is true; after movePrevious before the first bof() is true;
// an empty source has both. Field values are null QVariants for Null; Yes/No
// fields read as -1/0 (int), dates as QDate, numbers as int or double.
// Every engine failure throws DbError.
class Recordset
{
public:
    explicit Recordset(const QString &name = {});
    ~Recordset();

    QString name() const;  // e.g. "Data1", for messages

    // The database file; takes effect at the next refresh(). Resolved case-insensitively.
    void setDatabaseName(const QString &path);
    QString databaseName() const;

    // Record sources.
    void setTable(const QString &table, const Criterion &filter = {});
    void setSql(const QString &sql, const QVariantList &params = {});
    void setStoredQuery(const QString &name);
    QString table() const;  // empty for SQL sources
    Criterion filter() const;

    // Opens (or re-opens) the database file and the record source, positioned on
    // the first record. Throws FileNotFound, InvalidPath, UnrecognizedFormat,
    // TableNotFound (3078) for a table the schema does not know, ...
    // Operations on a record set that is not open throw ObjectNotSet (91).
    void refresh();
    // Releases the database file; isOpen() is false afterwards.
    void close();
    bool isOpen() const;
    std::shared_ptr<Database> database() const;

    bool bof() const;
    bool eof() const;
    // A record is current: not at bof/eof and not on a record just deleted.
    bool hasCurrent() const;
    bool isEmpty() const;
    int recordCount() const;
    // How many records the filter selects and which of them is current (1-based; 0 when
    // none is), where that is cheap to know: a filter an index narrows to a few
    // candidates. nullopt for a dense or unnarrowed filter, or no filter at all.
    struct Place
    {
        int index = 0;
        int count = 0;
    };
    std::optional<Place> placeIfCheap() const;

    // NoCurrentRecord (3021) on an empty source (bof and eof are then both true).
    void moveFirst();
    void moveLast();
    void moveNext();      // NoCurrentRecord (3021) when already at eof
    void movePrevious();  // NoCurrentRecord (3021) when already at bof

    // Finds from the start (first) or the end (last) of the source; the record
    // becomes current. When nothing matches, noMatch() is true and the position is kept.
    void findFirst(const Criterion &criterion);
    void findLast(const Criterion &criterion);
    bool noMatch() const;

    enum class EditMode { None, Edit, Add };
    void addNew();  // starts a new record (all fields Null) in the edit buffer
    void edit();    // copies the current record into the edit buffer; 3021 without one
    // Writes the buffer durably (committed before it returns). Text longer than
    // its column throws ValueTooLarge (3163) naming the field, and nothing is
    // written; the buffer stays so the caller can cancel. After adding, the new
    // record is current.
    // An edited record that another program changed since it was read (its change
    // counter moved on) is not written: ChangedByAnother (3197); one that another
    // program deleted meanwhile: RecordDeleted (3167). The buffer stays in both cases.
    void update();
    // Reads the current record again from the file, as another program may have left
    // it; RecordDeleted (3167) when it is no longer there.
    void reread();
    void cancelUpdate();
    EditMode editMode() const;
    // Deletes the current record (3021 without one); the position is then on no
    // record until the next move.
    void deleteCurrent();

    // Field of the current record (or of the edit buffer while editing).
    // ItemNotFound (3265) for an unknown field, NoCurrentRecord (3021) without a record.
    QVariant field(const QString &name) const;
    bool isNull(const QString &name) const { return field(name).isNull(); }
    // The key of the current record of a table source (its RecordId): names and other
    // fields need not be unique, the key is. NoCurrentRecord (3021) without a record.
    qint64 recordId() const;
    QString text(const QString &name) const { return field(name).toString(); }
    // Sets a field in the edit buffer; UpdateWithoutEdit (3020) when not editing.
    // Bools become -1/0 in Yes/No fields; QDate or ISO date text ("YYYY-MM-DD") into
    // date fields; a number or number text into Number fields. A value the field
    // cannot hold (words into a number, other date text) throws DataTypeConversion (3421).
    void setField(const QString &name, const QVariant &value);

private:
    void moveToEnd(bool first);
    void step(bool forward);

    struct Private;
    std::unique_ptr<Private> d;
};

// A Yes/No field value counts as set only when it holds -1 (true).
inline bool isYes(const QVariant &v)
{
    return !v.isNull() && v.toInt() == -1;
}
