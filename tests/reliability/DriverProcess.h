#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>

// The reliability driver (tools/reliability_driver.cpp) run as a separate program,
// and what its report lines say about the forms it saved and deleted.
class DriverProcess
{
public:
    static QString program();

    void start(const QStringList &arguments);
    // Waits for the given time, then kills the driver with SIGKILL. Its report lines are
    // read meanwhile: a driver whose output is not read blocks in writing it.
    void killAfter(int milliseconds);
    bool waitForFinished(int milliseconds);
    // Waits until every driver has finished, reading their report lines as they come, so
    // that none is held up by another's unread output. False when the time ran out.
    static bool waitForAll(const QList<DriverProcess *> &drivers, int milliseconds);
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }

    // Every complete report line (a line cut off by a kill is left out).
    QList<QJsonObject> lines();
    QString errorOutput() { return QString::fromUtf8(m_errors + m_process.readAllStandardError()); }

private:
    void readWaiting(int milliseconds);

    QProcess m_process;
    QByteArray m_pending;
    QByteArray m_errors;
    QList<QJsonObject> m_lines;
};

// What the stored forms must hold after one or more runs of drivers.
class ExpectedForms
{
public:
    // Takes the lines of one run: a "saved" form must be stored as saved; a "saving"
    // not followed by its "saved" may or may not have reached the disk.
    void take(const QList<QJsonObject> &lines);

    struct Expectation
    {
        QJsonObject saved;     // empty while no save of it was reported
        QJsonObject inFlight;  // the save that was under way when the run ended
        bool deleted = false;
        bool deleting = false;  // a delete was under way when the run ended
    };
    const QHash<QString, Expectation> &forms() const { return m_forms; }

    // Compares with the Form table of the forms file and returns the faults found. A
    // save that was under way counts as done when it reached the disk, else as not made.
    QStringList check(const QString &formsFile, int *formsChecked);

private:
    QHash<QString, Expectation> m_forms;
};

// What two programs that edit the same forms must leave behind: every save either
// reported done or reported as a conflict, no save lost (each one stored, or seen by
// the save that replaced it), and every stored form exactly one of its reported saves.
class SharedEdits
{
public:
    // The lines of one program; returns the faults within them (a save that ended
    // without a word, a message).
    QStringList take(const QList<QJsonObject> &lines);
    QStringList check(const QString &formsFile);

    int saves = 0;
    int changedConflicts = 0;
    int deletedConflicts = 0;
    int lostUpdates = 0;
    int deletes = 0;

private:
    QHash<QString, QList<QJsonObject>> m_saved;  // by serial
    QHash<QString, QSet<QString>> m_seen;  // by serial: the versions later saves were based on
    QSet<QString> m_deleted;
};

// True when the values of a reported save (text, dates, Yes/No and numbers) are the
// values of the stored row, given with its column names.
bool storedAsReported(const QJsonObject &fields, const QList<QVariantList> &columnNames,
                      const QVariantList &row);
