#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

// Where a server database is: what the settings file keeps of it and what --init-server
// and --copy-data are given as a "postgresql://user@host:port/database?sslmode=..." address.
// The password is never part of it: libpq reads it from the user's ~/.pgpass, or the
// program asks for it at start.
struct ServerAddress
{
    QString host;  // a host name or address, or the folder of the server's Unix socket
    int port = 5432;
    QString database;
    QString user;                                // empty: the user's login name
    QString tlsMode = QStringLiteral("prefer");  // libpq's sslmode

    // Null when the text is no such address, with the reason in *why. An address that
    // holds a password is refused, so that none is ever written into the settings.
    static std::optional<ServerAddress> fromUri(const QString &uri, QString *why);
    QString toUri() const;

    // "host:port/database", for messages.
    QString displayName() const;

    // Opens a connection named connectionName (a password only when one was asked for).
    // Throws DbError CannotOpenFile (3051) naming the server and the reason.
    QSqlDatabase open(const QString &connectionName, const QString &password = {}) const;
};
