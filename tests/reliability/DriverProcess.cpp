#include "DriverProcess.h"

#include "data/Database.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QThread>

QString DriverProcess::program()
{
#ifdef RELIABILITY_DRIVER
    return QStringLiteral(RELIABILITY_DRIVER);
#else
    return QString();
#endif
}

void DriverProcess::start(const QStringList& arguments)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(program(), arguments);
    m_process.waitForStarted(10000);
}

void DriverProcess::killAfter(int milliseconds)
{
    QThread::msleep(ulong(milliseconds));
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool DriverProcess::waitForFinished(int milliseconds)
{
    return m_process.waitForFinished(milliseconds);
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

void ExpectedForms::take(const QList<QJsonObject>& lines)
{
    for (const QJsonObject& line : lines) {
        const QString op = line.value("op").toString();
        const QString serial = line.value("serial").toString();
        if (op == QLatin1String("saving")) {
            m_forms[serial].inFlight = line;
        } else if (op == QLatin1String("saved")) {
            Expectation& e = m_forms[serial];
            e.saved = line;
            e.inFlight = {};
            e.deleted = false;
        } else if (op == QLatin1String("deleted")) {
            Expectation& e = m_forms[serial];
            e.deleted = true;
            e.inFlight = {};
        }
    }
}

QStringList ExpectedForms::check(const QString& formsFile, int* formsChecked)
{
    QStringList faults;
    auto db = Database::open(formsFile);
    for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
        const QString& serial = it.key();
        Expectation& e = it.value();
        // Once checked, nothing is under way any more: what reached the disk is what
        // later runs must find.
        struct Settle {
            Expectation& e;
            ~Settle() { e.inFlight = {}; }
        } settle{e};
        const QList<QVariantList> rows = db->rows(QStringLiteral("SELECT * FROM Form WHERE Serial = ?"), {serial});
        const QList<QVariantList> names = db->rows(QStringLiteral("SELECT name FROM pragma_table_info('Form')"));
        if (formsChecked)
            ++*formsChecked;
        if (rows.size() > 1) {
            faults << QStringLiteral("%1 stored %2 times").arg(serial).arg(rows.size());
            continue;
        }
        if (rows.isEmpty()) {
            if (!e.saved.isEmpty() && !e.deleted)
                faults << QStringLiteral("%1 reported saved but missing").arg(serial);
            continue;
        }
        if (e.deleted && e.inFlight.isEmpty()) {
            faults << QStringLiteral("%1 reported deleted but still stored").arg(serial);
            continue;
        }
        auto sameAs = [&](const QJsonObject& line) {
            if (line.isEmpty())
                return false;
            const QJsonObject fields = line.value("fields").toObject();
            for (int c = 0; c < names.size(); ++c) {
                const QString name = names[c].value(0).toString();
                if (fields.contains(name) && fields.value(name).toString() != rows[0].value(c).toString())
                    return false;
            }
            return true;
        };
        if (sameAs(e.inFlight))
            e.saved = e.inFlight;
        else if (!sameAs(e.saved))
            faults << QStringLiteral("%1 stored with fields of neither its last reported save nor the one under way")
                          .arg(serial);
    }
    return faults;
}
