#include "import/AccessFile.h"

#include "import/ImportError.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <vector>

// libmdb's header is C with glib; it names no C++ keywords.
#include <mdbtools.h>

namespace {

// Jet's header: four bytes, then the engine's name, then the version at 0x14.
constexpr int kVersionOffset = 0x14;
constexpr int kHeaderSize = 0x18;
constexpr unsigned kOffsetMask = 0x1fff;  // row offsets carry flags in their top bits
constexpr int kMemoOverhead = MDB_MEMO_OVERHEAD;

struct JetFormat
{
    int version = -1;
    const char *name = "";
    int pageSize = 0;
};

// The formats libmdb reads; a later version number is a format it does not know.
JetFormat jetFormat(int version)
{
    static const JetFormat known[] = {
        {MDB_VER_JET3, "Access 97 (Jet 3)", 2048},
        {MDB_VER_JET4, "Access 2000-2003 (Jet 4)", 4096},
        {MDB_VER_ACCDB_2007, "Access 2007 (ACE 12)", 4096},
        {MDB_VER_ACCDB_2010, "Access 2010 (ACE 14)", 4096},
        {MDB_VER_ACCDB_2013, "Access 2013 (ACE 15)", 4096},
        {MDB_VER_ACCDB_2016, "Access 2016 (ACE 16)", 4096},
        {MDB_VER_ACCDB_2019, "Access 2019 (ACE 17)", 4096},
    };
    for (const JetFormat &format : known) {
        if (format.version == version)
            return format;
    }
    return {};
}

QString nativeName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool headerIsAccess(const QByteArray &header)
{
    static const QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
    static const QByteArray ace("\x00\x01\x00\x00Standard ACE DB\x00", 20);
    return header.size() >= kHeaderSize && (header.startsWith(jet) || header.startsWith(ace));
}

int headerVersion(const QByteArray &header)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(header.constData());
    return int(bytes[kVersionOffset] | (bytes[kVersionOffset + 1] << 8)
               | (bytes[kVersionOffset + 2] << 16) | (unsigned(bytes[kVersionOffset + 3]) << 24));
}

// Checks everything that can be told about the file before libmdb opens it.
JetFormat checkHeader(const QString &path)
{
    const QFileInfo info(path);
    const QString name = nativeName(path);
    if (!info.exists())
        throw ImportError(QObject::tr("The file \"%1\" was not found.").arg(name));
    if (!info.isFile())
        throw ImportError(QObject::tr("\"%1\" is not a file.").arg(name));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(
            QObject::tr("The file \"%1\" cannot be read: %2.").arg(name, file.errorString()));
    const qint64 size = file.size();
    const QByteArray header = file.read(kHeaderSize);
    if (size == 0)
        throw ImportError(
            QObject::tr("The file \"%1\" is empty: it holds no Access data.").arg(name));
    if (!headerIsAccess(header))
        throw ImportError(QObject::tr("The file \"%1\" is not an Access database file.").arg(name));
    const int version = headerVersion(header);
    JetFormat format = jetFormat(version);
    if (format.version < 0)
        throw ImportError(
            QObject::tr("The file \"%1\" is an Access file of a format this program cannot read "
                        "(version code %2, later than Access 2019). Open it in Access and save a "
                        "copy in the Access 2000-2003 format (.mdb), then import that copy.")
                .arg(name)
                .arg(version));
    // Jet writes whole pages only: a file that does not end on a page was cut short.
    if (size < 2 * format.pageSize || size % format.pageSize != 0)
        throw ImportError(
            QObject::tr("The file \"%1\" is cut short (%2 bytes, not a whole number of %3-byte "
                        "pages): it was not copied completely.")
                .arg(name)
                .arg(size)
                .arg(format.pageSize));
    return format;
}

// Frees a libmdb table definition on every way out.
struct TableDefHolder
{
    MdbTableDef *table = nullptr;
    ~TableDefHolder()
    {
        if (table)
            mdb_free_tabledef(table);
    }
};

}  // namespace

struct AccessFile::Private
{
    QString path;
    JetFormat format;
    MdbHandle *mdb = nullptr;
    QStringList tables;
    qint64 pageCount = 0;

    QString fileName() const { return nativeName(path); }

    [[noreturn]] void damaged(const QString &table, const QString &what) const
    {
        throw ImportError(
            QObject::tr(
                "The file \"%1\" is damaged or cut short: in table %2, %3. Nothing was imported.")
                .arg(fileName(), table, what));
    }

    // Walks the pages of a memo value that is not stored in the record itself, so
    // that a memo whose pages lie outside the file is refused instead of read in part.
    void checkMemoPages(const QString &table, int start, int size) const
    {
        if (size < kMemoOverhead)
            return;
        const guint32 header = guint32(mdb_get_int32(mdb->pg_buf, start));
        if (header & 0x80000000u)
            return;  // in the record
        gint32 pgRow = gint32(mdb_get_int32(mdb->pg_buf, start + 4));
        if (header & 0x40000000u) {
            void *buffer = nullptr;
            int offset = 0;
            size_t length = 0;
            if ((pgRow >> 8) >= pageCount
                || mdb_find_pg_row(mdb, pgRow, &buffer, &offset, &length) != 0)
                damaged(table, QObject::tr("a memo points outside the file"));
            return;
        }
        if ((header & 0xff000000u) != 0)
            damaged(table, QObject::tr("a memo has an unknown storage kind"));
        const guint32 expected = header & 0x00ffffffu;
        guint64 found = 0;
        qint64 pages = 0;
        while (pgRow != 0) {
            void *buffer = nullptr;
            int offset = 0;
            size_t length = 0;
            if ((pgRow >> 8) >= pageCount || ++pages > pageCount
                || mdb_find_pg_row(mdb, pgRow, &buffer, &offset, &length) != 0 || length < 4)
                damaged(table, QObject::tr("a memo continues outside the file"));
            found += length - 4;
            pgRow = gint32(mdb_get_int32(buffer, offset));
        }
        if (found < expected)
            damaged(table, QObject::tr("a memo is shorter than its stored length"));
    }

    // libmdb converts text into a buffer of its bind size: make it large enough for
    // the whole value (UTF-8 takes at most three bytes for each stored byte).
    QString text(int type, int start, int size, guint32 storedLength) const
    {
        const size_t needed = size_t(3) * (size_t(size) + storedLength) + 64;
        mdb_set_bind_size(mdb, std::max<size_t>(needed, MDB_BIND_SIZE));
        char *converted = mdb_col_to_string(mdb, mdb->pg_buf, start, type, size);
        const QString value = converted ? QString::fromUtf8(converted) : QString();
        g_free(converted);
        return value.isNull() ? QStringLiteral("") : value;
    }

    QVariant value(const QString &table, const MdbColumn *column, const MdbField &field) const
    {
        const int type = column->col_type;
        if (type == MDB_BOOL)
            return field.is_null ? 0 : -1;  // a Yes/No value lives in the null bit
        if (field.is_null)
            return QVariant();
        const int start = field.start;
        switch (type) {
        case MDB_BYTE:
            return int(mdb_get_byte(mdb->pg_buf, start));
        case MDB_INT:
            return int(qint16(mdb_get_int16(mdb->pg_buf, start)));
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return int(qint32(mdb_get_int32(mdb->pg_buf, start)));
        case MDB_FLOAT:
            return double(mdb_get_single(mdb->pg_buf, start));
        case MDB_DOUBLE:
            return mdb_get_double(mdb->pg_buf, start);
        case MDB_MONEY: {
            const qint64 low = quint32(mdb_get_int32(mdb->pg_buf, start));
            const qint64 high = qint32(mdb_get_int32(mdb->pg_buf, start + 4));
            return double((high << 32) | low) / 10000.0;
        }
        case MDB_DATETIME: {
            // Days since 30 December 1899; the fraction is the time of day, whose sign
            // follows the day's, so the day is the whole part toward zero.
            const double stored = mdb_get_double(mdb->pg_buf, start);
            if (!std::isfinite(stored) || std::fabs(stored) > 3.0e6)
                return QVariant();
            return QDate(1899, 12, 30).addDays(qint64(std::trunc(stored)));
        }
        case MDB_TEXT:
            return text(MDB_TEXT, start, field.siz, 0);
        case MDB_MEMO: {
            checkMemoPages(table, start, field.siz);
            const guint32 stored = field.siz >= kMemoOverhead
                                       ? guint32(mdb_get_int32(mdb->pg_buf, start)) & 0x3fffffffu
                                       : 0;
            return text(MDB_MEMO, start, field.siz, stored);
        }
        default: {
            char *converted = mdb_col_to_string(mdb, mdb->pg_buf, start, type, field.siz);
            const QString value = converted ? QString::fromUtf8(converted) : QString();
            g_free(converted);
            return value;
        }
        }
    }
};

AccessFile::AccessFile(const QString &path)
    : d(std::make_unique<Private>())
{
    d->path = path;
    d->format = checkHeader(path);
    d->pageCount = QFileInfo(path).size() / d->format.pageSize;
    // Read-only: libmdb opens the file for reading and never writes to it.
    d->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!d->mdb)
        throw ImportError(QObject::tr("The file \"%1\" cannot be opened as an Access database.")
                              .arg(d->fileName()));
    mdb_set_date_fmt(d->mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(d->mdb);
    GPtrArray *catalog = mdb_read_catalog(d->mdb, MDB_TABLE);
    if (!catalog) {
        mdb_close(d->mdb);
        d->mdb = nullptr;
        throw ImportError(
            QObject::tr(
                "The file \"%1\" is damaged or cut short: its list of tables cannot be read.")
                .arg(d->fileName()));
    }
    for (guint i = 0; i < catalog->len; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            d->tables << QString::fromUtf8(entry->object_name);
    }
}

AccessFile::~AccessFile()
{
    if (d->mdb)
        mdb_close(d->mdb);
}

QString AccessFile::path() const
{
    return d->path;
}

QString AccessFile::fileName() const
{
    return d->fileName();
}

QString AccessFile::formatName() const
{
    return QString::fromLatin1(d->format.name);
}

QStringList AccessFile::tableNames() const
{
    return d->tables;
}

bool AccessFile::hasTable(const QString &name) const
{
    return d->tables.contains(name, Qt::CaseInsensitive);
}

int AccessFile::declaredRowCount(const QString &table) const
{
    QString stored = table;
    for (const QString &t : d->tables) {
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            stored = t;
    }
    QByteArray name = stored.toUtf8();
    TableDefHolder holder{mdb_read_table_by_name(d->mdb, name.data(), MDB_TABLE)};
    return holder.table ? int(holder.table->num_rows) : 0;
}

AccessFile::Table AccessFile::readTable(const QString &tableName,
                                        const std::function<bool()> &afterEachRow) const
{
    QString stored;
    for (const QString &t : d->tables) {
        if (t.compare(tableName, Qt::CaseInsensitive) == 0)
            stored = t;
    }
    if (stored.isEmpty())
        throw ImportError(
            QObject::tr(
                "The file \"%1\" has no table %2: it is not a data file of the old program.")
                .arg(d->fileName(), tableName));

    QByteArray name = stored.toUtf8();
    TableDefHolder holder{mdb_read_table_by_name(d->mdb, name.data(), MDB_TABLE)};
    MdbTableDef *table = holder.table;
    if (!table || !mdb_read_columns(table))
        d->damaged(stored, QObject::tr("the definition cannot be read"));

    Table result;
    result.name = stored;
    std::vector<MdbColumn *> columns(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        columns[i] = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        result.columns << QString::fromUtf8(columns[i]->name);
    }

    // No column is bound: each record is cracked here, which tells an empty text from
    // a Null one and reads memo values whole.
    mdb_rewind_table(table);
    std::vector<MdbField> fields(std::max(1u, table->num_cols));
    while (mdb_fetch_row(table)) {
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(d->mdb, int(table->cur_row) - 1, &start, &size) != 0)
            d->damaged(stored, QObject::tr("a record cannot be found on its page"));
        start &= int(kOffsetMask);
        if (mdb_crack_row(table, start, size, fields.data()) < 0)
            d->damaged(stored, QObject::tr("a record cannot be read"));
        QVariantList row;
        row.reserve(int(table->num_cols));
        for (unsigned i = 0; i < table->num_cols; ++i)
            row << d->value(stored, columns[size_t(fields[i].colnum)], fields[i]);
        result.rows << row;
        if (afterEachRow && !afterEachRow())
            throw ImportCancelled();
    }
    // libmdb ends a table quietly at a page it cannot read: the count the table
    // declares tells a complete reading from one cut short.
    if (result.rows.size() < qsizetype(table->num_rows))
        throw ImportError(
            QObject::tr("The file \"%1\" is damaged or cut short: table %2 declares %3 records but "
                        "only %4 could be read. Nothing was imported.")
                .arg(d->fileName(), stored)
                .arg(table->num_rows)
                .arg(result.rows.size()));
    return result;
}

bool AccessFile::hasAccessHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return headerIsAccess(file.read(kHeaderSize));
}

bool AccessFile::isAccessFile(const QString &path)
{
    if (!hasAccessHeader(path))
        return false;
    try {
        AccessFile file(path);
        return !file.tableNames().isEmpty();
    } catch (const ImportError &) {
        return false;
    }
}
