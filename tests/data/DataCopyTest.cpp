#include "data/DataCopy.h"
#include "DataTestSupport.h"
#include "common/TestEngine.h"
#include "common/TestRegistry.h"
#include "data/Database.h"
#include "data/EngineValues.h"
#include "data/PostgresSchemaSql.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"

#include <QDate>
#include <QDir>

// The move of an agency's data between data folders and server databases, both ways:
// every record arrives field by field with its key, or nothing arrives.
class DataCopyTest : public QObject
{
    Q_OBJECT
private slots:
    void copiesEveryRecord_data();
    void copiesEveryRecord();

private:
    // Three records in every table, the middle one deleted again (so the keys have a gap):
    // full values with quotes and letters outside ASCII, and Null in every field.
    static void fill(TestTables &tables);
    // Every table's records, each value as the program reads it, keys and counters included.
    static QStringList contents(TestTables &tables);
    // The place of the copy: a data folder (its files inside) or the server's address.
    static QString placeOf(TestTables &tables);
};

void DataCopyTest::fill(TestTables &tables)
{
    for (const TableSpec *definition : PostgresSchemaSql::serverTables()) {
        const bool agents = Schema::agentsFileTables().contains(definition);
        auto db = Database::open(agents ? tables.agents() : tables.forms());
        db->execute(QStringLiteral("DELETE FROM %1").arg(SchemaSql::quoted(definition->name)));
        Recordset rs;
        rs.setDatabaseName(agents ? tables.agents() : tables.forms());
        rs.setTable(definition->name);
        rs.refresh();
        for (int variant : {0, 1, 2}) {
            rs.addNew();
            for (const FieldSpec &field : definition->fields)
                rs.setField(field.name, variant == 2
                                            ? QVariant()
                                            : sampleValue(field, variant, SampleText::Short));
            rs.update();
            if (variant == 0) {  // a record changed once: its counter moved on
                rs.edit();
                rs.setField(definition->fields.first().name,
                            sampleValue(definition->fields.first(), 0, SampleText::Short));
                rs.update();
            }
        }
        rs.moveFirst();
        rs.moveNext();
        rs.deleteCurrent();
    }
}

QStringList DataCopyTest::contents(TestTables &tables)
{
    QStringList lines;
    for (const TableSpec *definition : PostgresSchemaSql::serverTables()) {
        const bool agents = Schema::agentsFileTables().contains(definition);
        auto db = Database::open(agents ? tables.agents() : tables.forms());
        QStringList columns{SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId))};
        for (const FieldSpec &field : definition->fields)
            columns << SchemaSql::quoted(field.name);
        if (SchemaSql::countsChanges(*definition))
            columns << SchemaSql::quoted(QLatin1String(SchemaSql::kChangeCount));
        const QList<QVariantList> rows = db->rows(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                .arg(columns.join(u','), SchemaSql::quoted(definition->name), columns.first()));
        for (const QVariantList &row : rows) {
            QStringList values{definition->name, row.first().toString()};
            for (int i = 0; i < definition->fields.size(); ++i) {
                const QVariant read
                    = EngineValues::fromStored(definition->fields[i].kind, row[i + 1]);
                values << (read.isNull() ? QStringLiteral("<Null>") : read.toString());
            }
            if (SchemaSql::countsChanges(*definition))
                values << row.last().toString();
            lines << values.join(u'|');
        }
    }
    return lines;
}

QString DataCopyTest::placeOf(TestTables &tables)
{
    return tables.onServer() ? tables.forms() : tables.folder();
}

void DataCopyTest::copiesEveryRecord_data()
{
    QTest::addColumn<bool>("fromServer");
    QTest::addColumn<bool>("toServer");
    QTest::addColumn<QString>("target");  // "new", "in use", "too long"
    QTest::addColumn<int>("error");
    QTest::newRow("folder to server") << false << true << "new" << 0;
    QTest::newRow("server to folder") << true << false << "new" << 0;
    QTest::newRow("folder to folder") << false << false << "new" << 0;
    QTest::newRow("server to a server in use")
        << true << true << "in use" << int(EngineError::ObjectExists);
    QTest::newRow("folder to a folder in use")
        << false << false << "in use" << int(EngineError::ObjectExists);
    // A file holds text longer than its field (written by another program): the server
    // refuses it, and not one record arrives.
    QTest::newRow("text too long for the server")
        << false << true << "too long" << int(EngineError::ValueTooLarge);
}

void DataCopyTest::copiesEveryRecord()
{
    QFETCH(bool, fromServer);
    QFETCH(bool, toServer);
    QFETCH(QString, target);
    QFETCH(int, error);
    TestTables source(fromServer ? TestEngine::Server : TestEngine::File);
    TestTables copy(toServer ? TestEngine::Server : TestEngine::File);
    QVERIFY2(source.fresh(), qPrintable(source.error()));
    QVERIFY2(copy.fresh(), qPrintable(copy.error()));
    if (!source.onServer())
        Schema::createAgentsFile(source.agents());
    fill(source);
    if (target == QLatin1String("in use")) {
        if (!copy.onServer())
            Schema::createAgentsFile(copy.agents());
        auto db = Database::open(copy.agents());
        db->execute("INSERT INTO \"Agents\" (\"Name\") VALUES ('already here')");
    } else if (target == QLatin1String("too long")) {
        auto db = Database::open(source.forms());
        db->execute("UPDATE \"Form\" SET \"RegNum\" = ?", {QString(21, u'N')});
    }
    const QStringList sourceBefore = contents(source);
    QCOMPARE(sourceBefore.size(), 2 * PostgresSchemaSql::serverTables().size());
    const QStringList targetBefore
        = target == QLatin1String("new") ? QStringList() : contents(copy);
    const QByteArray formsFileBefore = fileChecksum(source.forms());

    QList<DataCopy::TableCount> counts;
    QVERIFY_DBERROR(counts = DataCopy::copy(placeOf(source), placeOf(copy)), error);

    // The source is only read.
    QCOMPARE(contents(source), sourceBefore);
    QCOMPARE(fileChecksum(source.forms()), formsFileBefore);
    if (error != 0) {  // nothing arrived
        QVERIFY(counts.isEmpty());
        if (target == QLatin1String("new"))
            QCOMPARE(contents(copy).size(), 0);
        else
            QCOMPARE(contents(copy), targetBefore);
        return;
    }
    QCOMPARE(contents(copy), sourceBefore);
    QCOMPARE(counts.size(), PostgresSchemaSql::serverTables().size());
    for (const DataCopy::TableCount &count : std::as_const(counts))
        QVERIFY2(count.records == 2, qPrintable(count.table));
    // A record added after the copy takes a key after the copied ones.
    Recordset rs;
    rs.setDatabaseName(copy.forms());
    rs.setTable("Form");
    rs.refresh();
    rs.moveLast();
    const qint64 lastCopied = rs.recordId();
    rs.addNew();
    rs.setField("RegNum", "N9");
    rs.update();
    QVERIFY(rs.recordId() > lastCopied);
}

REGISTER_TEST(DataCopyTest)

#include "DataCopyTest.moc"
