#pragma once

#include <QByteArray>
#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

// Ways of breaking a database file, and what the tests compare before and after.
namespace FileFaults {

inline const QStringList kFiles = {QStringLiteral("setup337.mdb"), QStringLiteral("Form337.mdb"),
                                   QStringLiteral("FAAForm337A.mdb")};

// SHA-256 of every file of the folder by name (empty for a missing one).
QHash<QString, QByteArray> checksums(const QString &folder);

// Replaces the file's content. The kinds: "missing", "empty", "truncated" (half of it),
// "garbage" (random bytes), "garbage after header" (a database header, then noise),
// "jet" (an old Access file's first bytes, then noise).
bool breakFile(const QString &path, const QString &kind);

// Makes a file unchangeable even for root (chattr +i); false where that is not allowed.
bool setImmutable(const QString &path, bool on);

// Another program holding an exclusive lock on a database file (the sqlite3 shell,
// in the middle of a transaction). Released after `seconds` (or on destruction).
class LockHolder
{
public:
    // `work` runs inside the transaction once the lock is held. `begin` is how the
    // transaction starts: "BEGIN EXCLUSIVE" keeps readers out too, "BEGIN IMMEDIATE"
    // only other writers.
    LockHolder(const QString &path, double seconds, const QString &work = {},
               const QString &begin = QStringLiteral("BEGIN EXCLUSIVE"));
    ~LockHolder();
    bool isHolding() const { return m_holding; }
    // Kills the other program in the middle of its transaction (SIGKILL), leaving
    // its journal behind for the next program to roll back.
    void killNow();

private:
    QProcess m_process;
    bool m_holding = false;
};

}  // namespace FileFaults
