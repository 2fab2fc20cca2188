#include "DriverProcess.h"

#include "data/Database.h"

#include <QElapsedTimer>
#include <QJsonDocument>

QString DriverProcess::program()
{
#ifdef RELIABILITY_DRIVER
    return QStringLiteral(RELIABILITY_DRIVER);
#else
    return QString();
#endif
}

void DriverProcess::start(const QStringList &arguments)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(program(), arguments);
    m_process.waitForStarted(10000);
}

void DriverProcess::readWaiting(int milliseconds)
{
    if (m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(milliseconds);
    m_pending += m_process.readAllStandardOutput();
    m_errors += m_process.readAllStandardError();
}

void DriverProcess::killAfter(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds)
        readWaiting(int(qMin<qint64>(20, milliseconds - waited.elapsed())));
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool DriverProcess::waitForFinished(int milliseconds)
{
    return waitForAll({this}, milliseconds);
}

bool DriverProcess::waitForAll(const QList<DriverProcess *> &drivers, int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        bool running = false;
        for (DriverProcess *driver : drivers) {
            driver->readWaiting(10);
            running = running || driver->m_process.state() != QProcess::NotRunning;
        }
        if (!running)
            break;
        if (waited.elapsed() > milliseconds)
            return false;
    }
    for (DriverProcess *driver : drivers)
        driver->readWaiting(0);
    return true;
}

QList<QJsonObject> DriverProcess::lines()
{
    m_pending += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QJsonDocument doc = QJsonDocument::fromJson(m_pending.left(end));
        if (doc.isObject())
            m_lines << doc.object();
        m_pending.remove(0, end + 1);
    }
    return m_lines;
}

void ExpectedForms::take(const QList<QJsonObject> &lines)
{
    for (const QJsonObject &line : lines) {
        const QString op = line.value("op").toString();
        const QString serial = line.value("serial").toString();
        if (op == QLatin1String("saving")) {
            m_forms[serial].inFlight = line;
        } else if (op == QLatin1String("saved")) {
            Expectation &e = m_forms[serial];
            e.saved = line;
            e.inFlight = {};
            e.deleted = false;
        } else if (op == QLatin1String("deleting")) {
            m_forms[serial].deleting = true;
        } else if (op == QLatin1String("deleted")) {
            Expectation &e = m_forms[serial];
            e.deleted = true;
            e.deleting = false;
            e.inFlight = {};
        }
    }
}

QStringList ExpectedForms::check(const QString &formsFile, int *formsChecked)
{
    QStringList faults;
    auto db = Database::open(formsFile);
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        const QString &serial = it.key();
        Expectation &e = it.value();
        // Once checked, nothing is under way any more: what reached the disk is what
        // later runs must find.
        struct Settle
        {
            Expectation &e;
            ~Settle()
            {
                e.inFlight = {};
                e.deleting = false;
            }
        } settle{e};
        const QList<QVariantList> rows
            = db->rows(QStringLiteral("SELECT * FROM Form WHERE Serial = ?"), {serial});
        const QList<QVariantList> names
            = db->rows(QStringLiteral("SELECT name FROM pragma_table_info('Form')"));
        if (formsChecked)
            ++*formsChecked;
        if (rows.size() > 1) {
            faults << QStringLiteral("%1 stored %2 times").arg(serial).arg(rows.size());
            continue;
        }
        if (rows.isEmpty()) {
            // A delete under way may have reached the disk.
            if (e.deleting)
                e.deleted = true;
            if (!e.saved.isEmpty() && !e.deleted)
                faults << QStringLiteral("%1 reported saved but missing").arg(serial);
            continue;
        }
        if (e.deleted && e.inFlight.isEmpty()) {
            faults << QStringLiteral("%1 reported deleted but still stored").arg(serial);
            continue;
        }
        auto sameAs = [&](const QJsonObject &line) {
            return !line.isEmpty()
                   && storedAsReported(line.value("fields").toObject(), names, rows[0]);
        };
        if (sameAs(e.inFlight))
            e.saved = e.inFlight;
        else if (!sameAs(e.saved))
            faults << QStringLiteral("%1 stored with fields of neither its last reported save nor "
                                     "the one under way")
                          .arg(serial);
    }
    return faults;
}

bool storedAsReported(const QJsonObject &fields, const QList<QVariantList> &columnNames,
                      const QVariantList &row)
{
    int compared = 0;
    for (int c = 0; c < columnNames.size(); ++c) {
        const QString name = columnNames[c].value(0).toString();
        if (!fields.contains(name))
            continue;
        ++compared;
        // Numbers arrive as JSON doubles: -1 reads "-1" like the stored integer.
        if (fields.value(name).toVariant().toString() != row.value(c).toString())
            return false;
    }
    return compared == fields.size();  // a field the table lacks is no match
}

QStringList SharedEdits::take(const QList<QJsonObject> &lines)
{
    QStringList faults;
    QJsonObject pending;  // the save under way
    QString answered;     // the form whose save just ended in a conflict
    for (const QJsonObject &line : lines) {
        const QString op = line.value("op").toString();
        const QString serial = line.value("serial").toString();
        // A form changed there and then deleted while the question was open is asked
        // about twice in one save.
        const bool secondQuestion = op == QLatin1String("conflict") && answered == serial;
        answered.clear();
        if (op == QLatin1String("message")) {
            faults << QStringLiteral("message: ") + line.value("text").toString();
        } else if (op == QLatin1String("saving")) {
            if (!pending.isEmpty())
                faults << QStringLiteral("save of %1 ended without a word")
                              .arg(pending.value("serial").toString());
            pending = line;
        } else if (op == QLatin1String("saved")) {
            ++saves;
            m_saved[serial] << line;
            m_seen[serial].insert(line.value("basedOn").toString());
            pending = {};
        } else if (op == QLatin1String("conflict")) {
            if (!secondQuestion
                && (pending.isEmpty() || pending.value("serial").toString() != serial))
                faults << QStringLiteral("conflict of %1 reported outside its save").arg(serial);
            ++(line.value("kind").toString() == QLatin1String("deleted") ? deletedConflicts
                                                                         : changedConflicts);
            pending = {};
            answered = serial;
        } else if (op == QLatin1String("deleted")) {
            ++deletes;
            m_deleted.insert(serial);
        } else if (op == QLatin1String("delete refused")) {
            ++changedConflicts;
        }
    }
    if (!pending.isEmpty())
        faults << QStringLiteral("save of %1 ended without a word")
                      .arg(pending.value("serial").toString());
    return faults;
}

QStringList SharedEdits::check(const QString &formsFile)
{
    QStringList faults;
    auto db = Database::open(formsFile);
    const QList<QVariantList> names
        = db->rows(QStringLiteral("SELECT name FROM pragma_table_info('Form')"));
    // Nothing but the programs' own forms, each once.
    const int stored = db->value(QStringLiteral("SELECT count(*) FROM Form")).toInt();
    const int expected
        = int(m_saved.size())
          - int(std::count_if(m_saved.keyBegin(), m_saved.keyEnd(),
                              [this](const QString &s) { return m_deleted.contains(s); }));
    if (stored != expected)
        faults << QStringLiteral("%1 forms stored, %2 expected").arg(stored).arg(expected);
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
        const QString &serial = it.key();
        const QList<QVariantList> rows
            = db->rows(QStringLiteral("SELECT * FROM Form WHERE Serial = ?"), {serial});
        if (m_deleted.contains(serial)) {
            if (!rows.isEmpty())
                faults << QStringLiteral("%1 reported deleted but still stored").arg(serial);
            continue;
        }
        if (rows.size() != 1) {
            faults << QStringLiteral("%1 stored %2 times").arg(serial).arg(rows.size());
            continue;
        }
        // The stored form is one reported save, field for field.
        const QJsonObject *stored = nullptr;
        for (const QJsonObject &save : it.value()) {
            if (storedAsReported(save.value("fields").toObject(), names, rows[0]))
                stored = &save;
        }
        if (!stored) {
            faults << QStringLiteral("%1 stored with fields of none of its reported saves")
                          .arg(serial);
            continue;
        }
        // Every other save of it was the version a later save was based on: a save that
        // replaced a version nobody had seen lost that version without a word.
        for (const QJsonObject &save : it.value()) {
            const QString token = save.value("token").toString();
            if (&save != stored && !m_seen.value(serial).contains(token)) {
                ++lostUpdates;
                faults << QStringLiteral("%1: the save \"%2\" was lost").arg(serial, token);
            }
        }
    }
    return faults;
}
