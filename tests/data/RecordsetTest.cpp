#include "data/Recordset.h"
#include "DataTestSupport.h"
#include "common/TestEngine.h"
#include "common/TestRegistry.h"
#include "data/Database.h"
#include "data/Schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

// Run on both engines: the same cases for a data file and for a server database.
class RecordsetTest : public QObject
{
    Q_OBJECT
public:
    explicit RecordsetTest(TestEngine engine = TestEngine::File)
        : m_tables(engine)
    { }

private slots:
    void init();
    void cleanup();

    void emptySource();
    void oneRecord();
    void walksInInsertionOrder();
    void orderSurvivesCompaction();
    void filterLimitsEveryMove();
    void findFirstAndLast_data();
    void findFirstAndLast();
    void findKeepsPositionOnNoMatch();
    void findHonoursTheFilter();
    void addNewBecomesCurrentAndIsDurable();
    void cancelWritesNothing();
    void editWritesOnlyTheSetFields();
    void editOfRecordChangedElsewhere_data();
    void editOfRecordChangedElsewhere();
    void deleteLeavesNoCurrentRecord();
    void deleteLastThenMoveNext();
    void tooLongValue_data();
    void tooLongValue();
    void yesNoIsMinusOneOrZero();
    void datesRoundTrip();
    void numberFields_data();
    void numberFields();
    void unknownFieldAndNoEdit();
    void sqlSourceIsReadOnly();
    void missingFileLeavesItClosed();

private:
    int addForm(const QString &regNum, const QString &make = {});
    QStringList walkForward(Recordset &rs);
    QStringList walkBackward(Recordset &rs);
    static int ordinal(Recordset &rs);
    QString storedRegNums();

    TestTables m_tables;
    QString m_path;
    std::shared_ptr<Database> m_db;
};

void RecordsetTest::init()
{
    QVERIFY2(m_tables.fresh(), qPrintable(m_tables.error()));
    m_path = m_tables.forms();
    m_db = Database::open(m_path, Schema::formsFileTables());
}

void RecordsetTest::cleanup()
{
    m_db.reset();
}

int RecordsetTest::addForm(const QString &regNum, const QString &make)
{
    return m_db->insert("INSERT INTO \"Form\" (\"RegNum\", \"Make\") VALUES (?, ?)",
                        {regNum, make.isNull() ? QVariant() : QVariant(make)});
}

// The registration marks stored, in record order.
QString RecordsetTest::storedRegNums()
{
    QStringList marks;
    for (const QVariantList &row :
         m_db->rows("SELECT \"RegNum\" FROM \"Form\" ORDER BY \"RecordId\""))
        marks << row.first().toString();
    return marks.join(u',');
}

QStringList RecordsetTest::walkForward(Recordset &rs)
{
    QStringList seen;
    rs.moveFirst();
    while (!rs.eof()) {
        seen << rs.text("RegNum");
        rs.moveNext();
    }
    return seen;
}

QStringList RecordsetTest::walkBackward(Recordset &rs)
{
    QStringList seen;
    rs.moveLast();
    while (!rs.bof()) {
        seen << rs.text("RegNum");
        rs.movePrevious();
    }
    return seen;
}

// The place of the current record in the source, counted from 1 (the record stays current).
int RecordsetTest::ordinal(Recordset &rs)
{
    const QString mark = rs.text("RegNum");
    int before = 0;
    for (rs.movePrevious(); !rs.bof(); rs.movePrevious())
        ++before;
    for (int i = 0; i <= before; ++i)
        rs.moveNext();
    if (rs.text("RegNum") != mark)
        return -1;
    return before + 1;
}

void RecordsetTest::emptySource()
{
    Recordset rs("Data1");
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    QVERIFY(rs.isOpen());
    QVERIFY(rs.bof());
    QVERIFY(rs.eof());
    QVERIFY(!rs.hasCurrent());
    QVERIFY(rs.isEmpty());
    QCOMPARE(rs.recordCount(), 0);
    QVERIFY_DBERROR(rs.field("RegNum"), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.moveNext(), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.movePrevious(), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.moveLast(), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.moveFirst(), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.edit(), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.deleteCurrent(), EngineError::NoCurrentRecord);
    QVERIFY(rs.bof() && rs.eof());
}

void RecordsetTest::oneRecord()
{
    addForm("N1");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    QVERIFY(!rs.bof() && !rs.eof());
    QCOMPARE(rs.text("RegNum"), QString("N1"));
    QVERIFY(!rs.isEmpty());
    QCOMPARE(rs.recordCount(), 1);

    rs.movePrevious();
    QVERIFY(rs.bof() && !rs.eof());
    QVERIFY_DBERROR(rs.field("RegNum"), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.movePrevious(), EngineError::NoCurrentRecord);
    rs.moveNext();
    QCOMPARE(rs.text("RegNum"), QString("N1"));
    rs.moveNext();
    QVERIFY(rs.eof() && !rs.bof());
    QVERIFY_DBERROR(rs.moveNext(), EngineError::NoCurrentRecord);
    rs.movePrevious();
    QCOMPARE(rs.text("RegNum"), QString("N1"));
    rs.moveLast();
    QCOMPARE(rs.text("RegNum"), QString("N1"));
}

void RecordsetTest::walksInInsertionOrder()
{
    for (const char *mark : {"N3", "N1", "N2", "A9"})
        addForm(mark);
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    QCOMPARE(rs.text("RegNum"), QString("N3"));
    QCOMPARE(walkForward(rs), (QStringList{"N3", "N1", "N2", "A9"}));
    QCOMPARE(walkBackward(rs), (QStringList{"A9", "N2", "N1", "N3"}));
    QCOMPARE(rs.recordCount(), 4);
}

void RecordsetTest::orderSurvivesCompaction()
{
    for (const char *mark : {"N3", "N1", "N2", "A9"})
        addForm(mark);
    m_db->execute("DELETE FROM \"Form\" WHERE \"RegNum\" = 'N1'");
    m_db->execute(m_tables.onServer() ? "VACUUM FULL \"Form\"" : "VACUUM");
    addForm("B7");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    QCOMPARE(walkForward(rs), (QStringList{"N3", "N2", "A9", "B7"}));
}

void RecordsetTest::filterLimitsEveryMove()
{
    for (const char *mark : {"N100", "X1", "n101", "N2", "N1ab"})
        addForm(mark);
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form", Criterion::like("RegNum", "N1*"));
    rs.refresh();
    QCOMPARE(rs.text("RegNum"), QString("N100"));
    QCOMPARE(rs.recordCount(), 3);
    QCOMPARE(walkForward(rs), (QStringList{"N100", "n101", "N1ab"}));
    QCOMPARE(walkBackward(rs), (QStringList{"N1ab", "n101", "N100"}));
    // Once its keys are read for the count, a walk steps by them: the same records, and
    // one deleted since is passed over.
    QCOMPARE(rs.placeIfCheap()->count, 3);
    m_db->execute("DELETE FROM Form WHERE RegNum = 'n101'");
    QCOMPARE(walkForward(rs), (QStringList{"N100", "N1ab"}));
    QCOMPARE(walkBackward(rs), (QStringList{"N1ab", "N100"}));

    rs.setTable("Form", Criterion::like("RegNum", "Z*"));
    rs.refresh();
    QVERIFY(rs.bof() && rs.eof());
    QVERIFY(rs.isEmpty());
    QCOMPARE(rs.recordCount(), 0);
}

void RecordsetTest::findFirstAndLast_data()
{
    QTest::addColumn<Criterion>("criterion");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("equals with a star is literal") << Criterion::equals("RegNum", "N1*") << "1:N1*"
                                                   << "1:N1*";
    QTest::newRow("like with a star") << Criterion::like("RegNum", "N1*") << "1:N1*"
                                      << "4:n1x";
    QTest::newRow("double quote in the value") << Criterion::equals("RegNum", "N\"2") << "2:N\"2"
                                               << "5:N\"2";
    QTest::newRow("single quote in the value") << Criterion::equals("Make", "O'Neil") << "3:O'B"
                                               << "3:O'B";
    QTest::newRow("case ignored") << Criterion::equals("Make", "o'NEIL") << "3:O'B"
                                  << "3:O'B";
}

void RecordsetTest::findFirstAndLast()
{
    QFETCH(Criterion, criterion);
    QFETCH(QString, first);
    QFETCH(QString, last);
    addForm("N1*");
    addForm("N\"2");
    addForm("O'B", "O'Neil");
    addForm("n1x");
    addForm("N\"2");

    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    // Find searches the whole source, whatever the position.
    rs.moveLast();
    rs.findFirst(criterion);
    QVERIFY(!rs.noMatch());
    QCOMPARE(QString("%1:%2").arg(ordinal(rs)).arg(rs.text("RegNum")), first);

    rs.moveFirst();
    rs.findLast(criterion);
    QVERIFY(!rs.noMatch());
    QCOMPARE(QString("%1:%2").arg(ordinal(rs)).arg(rs.text("RegNum")), last);
}

void RecordsetTest::findKeepsPositionOnNoMatch()
{
    addForm("N1");
    addForm("N2");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.moveLast();
    rs.findFirst(Criterion::like("RegNum", "Z*"));
    QVERIFY(rs.noMatch());
    QCOMPARE(rs.text("RegNum"), QString("N2"));
    rs.findLast(Criterion::equals("RegNum", "N1"));
    QVERIFY(!rs.noMatch());
    QCOMPARE(rs.text("RegNum"), QString("N1"));
}

void RecordsetTest::findHonoursTheFilter()
{
    addForm("N1", "Cessna");
    addForm("N2", "Piper");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form", Criterion::equals("Make", "Cessna"));
    rs.refresh();
    rs.findFirst(Criterion::equals("RegNum", "N2"));
    QVERIFY(rs.noMatch());
    QCOMPARE(rs.text("RegNum"), QString("N1"));
}

void RecordsetTest::addNewBecomesCurrentAndIsDurable()
{
    addForm("N1");
    addForm("N2");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.addNew();
    QCOMPARE(rs.editMode(), Recordset::EditMode::Add);
    QVERIFY(rs.isNull("RegNum"));
    rs.setField("RegNum", "N9");
    rs.setField("OwnerName", "O'Brien \"Ace\"");
    QCOMPARE(rs.text("RegNum"), QString("N9"));  // the buffer reads back before update
    rs.update();
    QCOMPARE(rs.editMode(), Recordset::EditMode::None);
    QCOMPARE(rs.text("RegNum"), QString("N9"));
    QCOMPARE(rs.text("OwnerName"), QString("O'Brien \"Ace\""));
    QVERIFY(rs.isNull("Make"));
    rs.movePrevious();
    QCOMPARE(rs.text("RegNum"), QString("N2"));

    // Another connection sees the record at once: the update was committed.
    QCOMPARE(m_tables.readElsewhere("SELECT \"OwnerName\" FROM \"Form\" WHERE \"RegNum\" = 'N9'"),
             QVariant(QString("O'Brien \"Ace\"")));
}

void RecordsetTest::cancelWritesNothing()
{
    addForm("N1");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.addNew();
    rs.setField("RegNum", "N9");
    rs.cancelUpdate();
    QCOMPARE(rs.text("RegNum"), QString("N1"));
    rs.edit();
    rs.setField("RegNum", "N5");
    rs.cancelUpdate();
    QCOMPARE(rs.text("RegNum"), QString("N1"));
    QCOMPARE(storedRegNums(), QString("N1"));
    QVERIFY_DBERROR(rs.update(), EngineError::UpdateWithoutEdit);
}

void RecordsetTest::editWritesOnlyTheSetFields()
{
    addForm("N1", "Cessna");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.edit();
    rs.setField("RegNum", "N1A");
    // Meanwhile another data control changes another field of the same record.
    m_db->execute("UPDATE \"Form\" SET \"Make\" = 'Piper'");
    rs.update();
    QCOMPARE(rs.text("RegNum"), QString("N1A"));
    QCOMPARE(rs.text("Make"), QString("Piper"));  // re-read, and not overwritten with the old value
    QCOMPARE(rs.recordCount(), 1);
}

void RecordsetTest::editOfRecordChangedElsewhere_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("otherDoes");  // "changes", "deletes", "nothing"
    QTest::addColumn<bool>("earlierFile");   // made without change counters and later fields
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("deletedHere");  // the record is deleted here instead of edited
    const struct
    {
        const char *file;
        const char *table;
        const char *field;
    } tables[] = {{"Form337.mdb", "Form", "OwnerName"},
                  {"Form337.mdb", "Agency", "AgencyName"},
                  {"Form337.mdb", "Narratives", "Title"},
                  {"FAAForm337A.mdb", "Agents", "Password"}};
    for (const auto &t : tables) {
        QTest::addRow("%s changed", t.table) << t.file << t.table << t.field << "changes" << false
                                             << int(EngineError::ChangedByAnother) << false;
        QTest::addRow("%s deleted", t.table) << t.file << t.table << t.field << "deletes" << false
                                             << int(EngineError::RecordDeleted) << false;
        QTest::addRow("%s untouched", t.table)
            << t.file << t.table << t.field << "nothing" << false << 0 << false;
    }
    // The deleted record was the newest: the next one added must not take its place.
    QTest::newRow("Form deleted, another added")
        << "Form337.mdb"
        << "Form"
        << "OwnerName"
        << "replaces" << false << int(EngineError::RecordDeleted) << false;
    if (!m_tables.onServer())  // a server database is made whole for its version
        QTest::newRow("Form changed, file of an earlier version")
            << "Form337.mdb"
            << "Form"
            << "OwnerName"
            << "changes" << true << int(EngineError::ChangedByAnother) << false;
    // A delete does not take away another workstation's changes unasked; a record
    // already deleted there is simply gone.
    for (const auto &t : tables) {
        QTest::addRow("%s changed, deleted here", t.table)
            << t.file << t.table << t.field << "changes" << false
            << int(EngineError::ChangedByAnother) << true;
        QTest::addRow("%s deleted, deleted here", t.table)
            << t.file << t.table << t.field << "deletes" << false << 0 << true;
    }
}

void RecordsetTest::editOfRecordChangedElsewhere()
{
    // Two workstations show the same record; the other one stores its change first.
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QString, otherDoes);
    QFETCH(bool, earlierFile);
    QFETCH(int, error);
    QFETCH(bool, deletedHere);
    const QString path
        = file == QLatin1String(Schema::kFormsFile) ? m_tables.forms() : m_tables.agents();
    if (!m_tables.onServer() && !QFile::exists(path))
        Schema::createAgentsFile(path);
    {
        auto db = Database::open(path);
        db->execute(
            QStringLiteral("INSERT INTO \"%1\" (\"%2\") VALUES ('as read')").arg(table, field));
        if (earlierFile) {
            db->execute(QStringLiteral("ALTER TABLE \"%1\" DROP COLUMN ChangeCount").arg(table));
            for (const FieldSpec &f : Schema::table(table)->fields) {
                if (f.addedLater)
                    db->execute(
                        QStringLiteral("ALTER TABLE \"%1\" DROP COLUMN \"%2\"").arg(table, f.name));
            }
        }
    }
    if (earlierFile) {
        m_db.reset();  // the file is opened anew, as by a new version of the program
        QVERIFY(!Database::open(path)->countsChanges(table));
    }

    Recordset here, there;
    for (Recordset *rs : {&here, &there}) {
        rs->setDatabaseName(rs == &here ? path : m_tables.elsewhere(path));
        rs->setTable(table);
        rs->refresh();
    }
    if (m_tables.onServer())  // two workstations, two connections
        QVERIFY(here.database() != there.database());
    QVERIFY(here.database()->countsChanges(table));
    for (const FieldSpec &f : Schema::table(table)->fields) {
        if (f.addedLater) {  // added on open, Null in the stored record
            QVERIFY2(here.database()->hasField(table, f.name), qPrintable(f.name));
            QVERIFY(here.field(f.name).isNull());
        }
    }
    if (otherDoes == QLatin1String("changes")) {
        there.edit();
        there.setField(field, "stored there");
        there.update();
    } else if (otherDoes == QLatin1String("deletes")) {
        there.deleteCurrent();
    } else if (otherDoes == QLatin1String("replaces")) {
        there.deleteCurrent();
        there.addNew();
        there.setField(field, "stored there");
        there.update();
    }
    if (deletedHere) {
        QVERIFY_DBERROR(here.deleteCurrent(), error);
        auto db = Database::open(path);
        QCOMPARE(db->value(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt(),
                 error == 0 ? 0 : 1);
        return;
    }
    here.edit();
    here.setField(field, "typed here");
    QVERIFY_DBERROR(here.update(), error);
    auto db = Database::open(path);
    if (error == 0) {
        QCOMPARE(
            db->value(QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(field, table)).toString(),
            QStringLiteral("typed here"));
        // The next edit of the same record set reads its own change and goes through.
        here.edit();
        here.setField(field, "typed again");
        here.update();
        QCOMPARE(
            db->value(QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(field, table)).toString(),
            QStringLiteral("typed again"));
        return;
    }
    // Refused: the other workstation's work stays, and the typed value is still in the buffer.
    QCOMPARE(here.editMode(), Recordset::EditMode::Edit);
    QCOMPARE(here.text(field), QStringLiteral("typed here"));
    here.cancelUpdate();
    if (error == EngineError::RecordDeleted) {
        const bool added = otherDoes == QLatin1String("replaces");
        QCOMPARE(db->value(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt(),
                 added ? 1 : 0);
        if (added)
            QCOMPARE(
                db->value(QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(field, table)).toString(),
                QStringLiteral("stored there"));
        QVERIFY_DBERROR(here.reread(), EngineError::RecordDeleted);
        return;
    }
    QCOMPARE(db->value(QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(field, table)).toString(),
             QStringLiteral("stored there"));
    // Read again, the stored version is shown and can be changed knowingly.
    here.reread();
    QCOMPARE(here.text(field), QStringLiteral("stored there"));
    here.edit();
    here.setField(field, "typed here");
    here.update();
    QCOMPARE(db->value(QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(field, table)).toString(),
             QStringLiteral("typed here"));
}

void RecordsetTest::deleteLeavesNoCurrentRecord()
{
    for (const char *mark : {"N1", "N2", "N3"})
        addForm(mark);
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.moveNext();
    QCOMPARE(rs.text("RegNum"), QString("N2"));
    rs.deleteCurrent();
    QVERIFY(!rs.hasCurrent());
    QVERIFY(!rs.bof() && !rs.eof());
    QVERIFY_DBERROR(rs.field("RegNum"), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.deleteCurrent(), EngineError::NoCurrentRecord);
    QVERIFY_DBERROR(rs.edit(), EngineError::NoCurrentRecord);
    rs.moveNext();
    QVERIFY(rs.hasCurrent());
    QCOMPARE(rs.text("RegNum"), QString("N3"));
    rs.movePrevious();
    QCOMPARE(rs.text("RegNum"), QString("N1"));
    QCOMPARE(rs.recordCount(), 2);
}

void RecordsetTest::deleteLastThenMoveNext()
{
    addForm("N1");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.deleteCurrent();
    rs.moveNext();
    QVERIFY(rs.eof());
    QVERIFY(rs.bof());  // nothing is left
    QVERIFY(rs.isEmpty());
}

void RecordsetTest::tooLongValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("RegNum") << "RegNum" << 20;
    QTest::newRow("OwnerName") << "OwnerName" << 255;
    QTest::newRow("AgencyCert") << "AgencyCert" << 30;
    QTest::newRow("Back, long text") << "Back" << 1048576;
}

void RecordsetTest::tooLongValue()
{
    QFETCH(QString, field);
    QFETCH(int, maxLength);
    addForm("N1");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    const QByteArray before = fileChecksum(m_path);

    // A new record: the first field is fine, the overflowing one names itself, nothing is written.
    rs.addNew();
    rs.setField("Make", "Cessna");
    rs.setField(field, QString(maxLength + 1, u'x'));
    int number = 0;
    QString named;
    try {
        rs.update();
    } catch (const DbError &e) {
        number = e.number();
        named = e.field();
    }
    QCOMPARE(number, int(EngineError::ValueTooLarge));
    QCOMPARE(named, field);
    QCOMPARE(rs.editMode(), Recordset::EditMode::Add);  // the buffer stays for the caller to cancel
    rs.cancelUpdate();
    QCOMPARE(fileChecksum(m_path), before);
    QCOMPARE(rs.recordCount(), 1);

    // An edit: the stored record keeps its values.
    rs.moveFirst();
    rs.edit();
    rs.setField("Make", "Piper");
    rs.setField(field, QString(maxLength + 1, u'y'));
    QVERIFY_DBERROR(rs.update(), EngineError::ValueTooLarge);
    rs.cancelUpdate();
    QCOMPARE(fileChecksum(m_path), before);

    // Exactly the maximum fits.
    rs.edit();
    rs.setField(field, QString(maxLength, u'z'));
    rs.update();
    QCOMPARE(rs.text(field).size(), maxLength);
}

void RecordsetTest::yesNoIsMinusOneOrZero()
{
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.addNew();
    rs.setField("RegNum", "N1");
    rs.setField("Approved", true);
    rs.setField("AirType1", false);
    rs.setField("AirType2", 1);  // any true value is stored as -1
    rs.update();
    QCOMPARE(rs.field("Approved"), QVariant(-1));
    QCOMPARE(rs.field("AirType1"), QVariant(0));
    QCOMPARE(rs.field("AirType2"), QVariant(-1));
    QVERIFY(isYes(rs.field("Approved")));
    QVERIFY(!isYes(rs.field("AirType1")));
    QVERIFY(!isYes(rs.field("PowType1")));  // Null is not yes
    QCOMPARE(m_db->value("SELECT \"Approved\" FROM \"Form\"").toInt(), -1);
    QCOMPARE(m_db->value("SELECT count(*) FROM \"Form\" WHERE \"Approved\" = -1 AND "
                         "\"AirType1\" = 0")
                 .toInt(),
             1);
}

void RecordsetTest::datesRoundTrip()
{
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.addNew();
    rs.setField("FormDate", QDate(2011, 3, 17));
    rs.setField("ApproveDate", "2011-12-01");
    rs.update();
    QCOMPARE(rs.field("FormDate"), QVariant(QDate(2011, 3, 17)));
    QCOMPARE(rs.field("ApproveDate"), QVariant(QDate(2011, 12, 1)));
    QCOMPARE(m_db->value("SELECT \"FormDate\" FROM \"Form\"").toString(), QString("2011-03-17"));

    rs.edit();
    QVERIFY_DBERROR(rs.setField("FormDate", "March 17, 2011"), EngineError::DataTypeConversion);
    QVERIFY_DBERROR(rs.setField("FormDate", QDate()), EngineError::DataTypeConversion);
    rs.setField("FormDate", QVariant());
    rs.update();
    QVERIFY(rs.isNull("FormDate"));
    QCOMPARE(rs.field("ApproveDate"), QVariant(QDate(2011, 12, 1)));
}

void RecordsetTest::numberFields_data()
{
    QTest::addColumn<QVariant>("given");
    QTest::addColumn<QVariant>("read");
    QTest::addColumn<int>("error");
    QTest::newRow("int") << QVariant(3) << QVariant(3) << 0;
    QTest::newRow("number text") << QVariant("4") << QVariant(4) << 0;
    QTest::newRow("number text with blanks") << QVariant(" 2 ") << QVariant(2) << 0;
    QTest::newRow("fraction") << QVariant(2.5) << QVariant(2.5) << 0;
    QTest::newRow("bool true is -1") << QVariant(true) << QVariant(-1) << 0;
    QTest::newRow("Null") << QVariant() << QVariant() << 0;
    QTest::newRow("words") << QVariant("three") << QVariant()
                           << int(EngineError::DataTypeConversion);
    QTest::newRow("empty text") << QVariant("") << QVariant()
                                << int(EngineError::DataTypeConversion);
}

void RecordsetTest::numberFields()
{
    QFETCH(QVariant, given);
    QFETCH(QVariant, read);
    QFETCH(int, error);
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    rs.addNew();
    if (error) {
        QVERIFY_DBERROR(rs.setField("AgencyKind", given), error);
        return;
    }
    rs.setField("AgencyKind", given);
    rs.update();
    QCOMPARE(rs.field("AgencyKind"), read);
}

void RecordsetTest::unknownFieldAndNoEdit()
{
    addForm("N1");
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("form");  // table names ignore case too
    rs.refresh();
    QCOMPARE(rs.text("regnum"), QString("N1"));
    QVERIFY_DBERROR(rs.field("NoSuchField"), EngineError::ItemNotFound);
    QVERIFY_DBERROR(rs.field("RecordId"), EngineError::ItemNotFound);
    QVERIFY_DBERROR(rs.setField("RegNum", "N2"), EngineError::UpdateWithoutEdit);
    rs.edit();
    QVERIFY_DBERROR(rs.setField("NoSuchField", "x"), EngineError::ItemNotFound);

    Recordset unknown;
    unknown.setDatabaseName(m_path);
    unknown.setTable("Customers");
    QVERIFY_DBERROR(unknown.refresh(), EngineError::TableNotFound);
}

void RecordsetTest::sqlSourceIsReadOnly()
{
    addForm("N2", "Cessna");
    addForm("N1", "Piper");
    addForm("N2", "Cessna");
    addForm(QString(), "Beech");
    Recordset rs("Data2");
    // Names as the data files take them: any case, in brackets; the server reads them alike.
    rs.setDatabaseName(m_tables.onServer() ? m_path
                                           : QFileInfo(m_path).dir().filePath("FORM337.MDB"));
    rs.setSql("SELECT distinct RegNum FROM [form] WHERE make <> ? ORDER BY RegNum", {"Beech"});
    rs.refresh();
    QCOMPARE(rs.recordCount(), 2);
    QCOMPARE(walkForward(rs), (QStringList{"N1", "N2"}));
    QVERIFY_DBERROR(rs.addNew(), EngineError::ReadOnly);
    rs.moveFirst();
    QVERIFY_DBERROR(rs.edit(), EngineError::ReadOnly);
    QVERIFY_DBERROR(rs.deleteCurrent(), EngineError::ReadOnly);
    QVERIFY_DBERROR(rs.field("Make"), EngineError::ItemNotFound);

    rs.setSql("SELECT FormDate, count(*) AS N FROM Form GROUP BY FormDate");
    m_db->execute("UPDATE Form SET FormDate = '2011-03-17'");
    rs.refresh();
    QCOMPARE(rs.field("FormDate"), QVariant(QDate(2011, 3, 17)));
    QCOMPARE(rs.field("n"), QVariant(4));

    // Text compares without regard to case on both engines: in lists and in conditions.
    addForm("n9", "CESSNA");
    rs.setSql("SELECT count(DISTINCT Make) AS N FROM Form");
    rs.refresh();
    QCOMPARE(rs.field("N"), QVariant(3));
    rs.setSql("SELECT RegNum FROM Form WHERE Make = ? ORDER BY RegNum", {"cessna"});
    rs.refresh();
    QCOMPARE(walkForward(rs), (QStringList{"N2", "N2", "n9"}));
}

void RecordsetTest::missingFileLeavesItClosed()
{
    Recordset rs;
    rs.setDatabaseName(m_path);
    rs.setTable("Form");
    rs.refresh();
    QVERIFY(rs.isOpen());
    if (m_tables.onServer()) {
        rs.setDatabaseName("postgresql://");
        QVERIFY_DBERROR(rs.refresh(), EngineError::InvalidPath);
        QVERIFY(!rs.isOpen());
        rs.setDatabaseName(QString(m_path).replace("form337_test_", "form337_none_"));
        QVERIFY_DBERROR(rs.refresh(), EngineError::CannotOpenFile);
    } else {
        const QDir folder = QFileInfo(m_path).dir();
        rs.setDatabaseName(folder.filePath("elsewhere/Form337.mdb"));
        QVERIFY_DBERROR(rs.refresh(), EngineError::InvalidPath);
        QVERIFY(!rs.isOpen());
        rs.setDatabaseName(folder.filePath("FAAForm337A.mdb"));
        QVERIFY_DBERROR(rs.refresh(), EngineError::FileNotFound);
    }
    QVERIFY(!rs.isOpen());
    QVERIFY_DBERROR(rs.moveFirst(), EngineError::ObjectNotSet);
    QVERIFY_DBERROR(rs.addNew(), EngineError::ObjectNotSet);
    rs.close();  // closing a closed record set does nothing
    QVERIFY(!rs.isOpen());
}

class RecordsetOnServerTest : public RecordsetTest
{
    Q_OBJECT
public:
    RecordsetOnServerTest()
        : RecordsetTest(TestEngine::Server)
    { }
};

REGISTER_TEST(RecordsetTest)
REGISTER_TEST(RecordsetOnServerTest)

#include "RecordsetTest.moc"
