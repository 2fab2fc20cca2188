#include "data/PgPass.h"

#include "data/ServerAddress.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {

// The fields of a line, split at colons that are not escaped; "\:" and "\\" read as ":"
// and "\", as libpq reads them.
QStringList fieldsOf(const QString &line)
{
    QStringList fields(1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'\\' && i + 1 < line.size())
            fields.last() += line.at(++i);
        else if (c == u':')
            fields << QString();
        else
            fields.last() += c;
    }
    return fields;
}

bool matches(const QString &pattern, const QString &value)
{
    return pattern == QLatin1String("*") || pattern == value;
}

}  // namespace

bool PgPass::hasEntryFor(const ServerAddress &address)
{
    const QString path = qEnvironmentVariableIsSet("PGPASSFILE")
                             ? qEnvironmentVariable("PGPASSFILE")
                             : QDir::home().filePath(QStringLiteral(".pgpass"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString user = address.user.isEmpty() ? qEnvironmentVariable("USER") : address.user;
    // A socket folder is matched by "localhost", as libpq matches it.
    const bool socket = address.host.startsWith(u'/');
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = fieldsOf(line);
        if (f.size() < 5)
            continue;
        const bool host
            = matches(f[0], address.host) || (socket && f[0] == QLatin1String("localhost"));
        if (host && matches(f[1], QString::number(address.port)) && matches(f[2], address.database)
            && matches(f[3], user))
            return true;
    }
    return false;
}
