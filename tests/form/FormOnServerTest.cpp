#include "common/SampleForm.h"
#include "common/TestRegistry.h"
#include "common/TestServer.h"
#include "data/DbError.h"
#include "data/EngineValues.h"
#include "data/FormColumns.h"
#include "data/PostgresSchema.h"
#include "data/PostgresSchemaSql.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"
#include "form/FormRecordWriter.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The sample form as Save stores it in a data folder, copied field by field to a server
// database made from the PostgreSQL dialect, reads back the same in every field.
class FormOnServerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyFieldReadsBackAsStored_data();
    void everyFieldReadsBackAsStored();

private:
    QVariantMap m_stored;  // the record in the data folder, by field
    QVariantMap m_read;    // the record read back from the server, by field
    std::unique_ptr<TestServer> m_server;
};

void FormOnServerTest::initTestCase()
{
    const TableSpec &form = Schema::formTable();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QString::fromLatin1(Schema::kFormsFile));
    Schema::createFormsFile(file);
    {
        Recordset record;
        record.setDatabaseName(file);
        record.setTable(form.name);
        record.refresh();
        record.addNew();
        FormRecordWriter::write(record, sampleForm());
        record.update();
        for (const FieldSpec &field : form.fields)
            m_stored.insert(field.name, record.field(field.name));
    }
    QCOMPARE(m_stored.value(FormColumn::RegNum).toString(), QStringLiteral("N4721K"));

    m_server = std::make_unique<TestServer>();
    QVERIFY2(m_server->ok(), qPrintable(m_server->error()));
    try {
        PostgresSchema::initialize(m_server->db());  // as --init-server makes a database
    } catch (const DbError &error) {
        QFAIL(qPrintable(error.message()));
    }
    QSqlQuery query(m_server->db());

    QStringList names, marks;
    for (const FieldSpec &field : form.fields) {
        names << SchemaSql::quoted(field.name);
        marks << QStringLiteral("?");
    }
    QVERIFY(query.prepare(QStringLiteral("INSERT INTO \"Form\" (%1) VALUES (%2)")
                              .arg(names.join(u','), marks.join(u','))));
    for (const FieldSpec &field : form.fields)
        query.addBindValue(EngineValues::toBound(m_stored.value(field.name)));
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));

    QVERIFY(query.exec(QStringLiteral("SELECT %1 FROM \"Form\"").arg(names.join(u','))));
    QVERIFY(query.next());
    for (int i = 0; i < form.fields.size(); ++i)
        m_read.insert(form.fields[i].name,
                      EngineValues::fromStored(form.fields[i].kind, query.value(i)));
}

void FormOnServerTest::cleanupTestCase()
{
    m_server.reset();
}

void FormOnServerTest::everyFieldReadsBackAsStored_data()
{
    QTest::addColumn<QString>("field");
    for (const FieldSpec &field : Schema::formTable().fields)
        QTest::newRow(qPrintable(field.name)) << field.name;
}

void FormOnServerTest::everyFieldReadsBackAsStored()
{
    QFETCH(QString, field);
    const QVariant stored = m_stored.value(field);
    const QVariant read = m_read.value(field);
    QCOMPARE(read.isNull(), stored.isNull());
    QCOMPARE(read, stored);
}

REGISTER_TEST(FormOnServerTest)

#include "FormOnServerTest.moc"
