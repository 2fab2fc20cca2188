#include "data/ServerAddress.h"

#include "data/DbError.h"

#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QStringList kTlsModes{QStringLiteral("disable"),   QStringLiteral("allow"),
                            QStringLiteral("prefer"),    QStringLiteral("require"),
                            QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

}  // namespace

std::optional<ServerAddress> ServerAddress::fromUri(const QString &uri, QString *why)
{
    const auto refuse = [why](const QString &reason) -> std::optional<ServerAddress> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid()
        || (url.scheme() != QLatin1String("postgresql")
            && url.scheme() != QLatin1String("postgres")))
        return refuse(QStringLiteral("\"%1\" is not a postgresql:// address").arg(uri));
    if (!url.password().isEmpty())
        return refuse(QStringLiteral("the address holds a password; put it in ~/.pgpass instead"));

    ServerAddress address;
    address.host = url.host();
    address.user = url.userName();
    address.database = url.path().mid(1);
    address.port = url.port(5432);
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host"))
            address.host = value;
        else if (key == QLatin1String("port"))
            address.port = value.toInt();
        else if (key == QLatin1String("user"))
            address.user = value;
        else if (key == QLatin1String("dbname"))
            address.database = value;
        else if (key == QLatin1String("sslmode"))
            address.tlsMode = value;
        else
            return refuse(
                QStringLiteral("the address has a setting the program does not use: %1").arg(key));
    }
    if (address.host.isEmpty())
        return refuse(QStringLiteral("the address names no server"));
    if (address.database.isEmpty() || address.database.contains(u'/'))
        return refuse(QStringLiteral("the address names no database"));
    if (address.port < 1 || address.port > 65535)
        return refuse(QStringLiteral("the port must be a number from 1 to 65535"));
    if (!kTlsModes.contains(address.tlsMode))
        return refuse(QStringLiteral("sslmode must be one of %1").arg(kTlsModes.join(", ")));
    return address;
}

QString ServerAddress::toUri() const
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    QUrlQuery query;
    if (host.startsWith(u'/'))
        query.addQueryItem(QStringLiteral("host"), host);
    else
        url.setHost(host);
    url.setUserName(user);
    url.setPort(port == 5432 ? -1 : port);
    url.setPath(QLatin1Char('/') + database);
    query.addQueryItem(QStringLiteral("sslmode"), tlsMode);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QString ServerAddress::displayName() const
{
    return QStringLiteral("%1:%2/%3").arg(host).arg(port).arg(database);
}

QSqlDatabase ServerAddress::open(const QString &connectionName, const QString &password) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(host);
    db.setPort(port);
    db.setDatabaseName(database);
    db.setUserName(user);
    if (!password.isEmpty())
        db.setPassword(password);
    // A server that does not answer is given up after a few seconds, not libpq's forever.
    db.setConnectOptions(QStringLiteral("sslmode=%1;connect_timeout=10").arg(tlsMode));
    if (!db.open()) {
        const QString reason = db.lastError().databaseText().trimmed();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw DbError(
            EngineError::CannotOpenFile,
            QStringLiteral("Cannot reach the database server %1: %2")
                .arg(displayName(), reason.isEmpty() ? QStringLiteral("no answer") : reason));
    }
    return db;
}
