#include "data/EngineLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

namespace EngineLog {

namespace {

QMutex logMutex;
QString &logFolder()
{
    static QString folder;
    return folder;
}

}  // namespace

void setFolder(const QString &folder)
{
    QMutexLocker lock(&logMutex);
    logFolder() = folder;
}

void write(const QString &file, const QString &statement, const QString &engineText,
           const QString &engineCode)
{
    QMutexLocker lock(&logMutex);
    // A folder that is not there (yet) gets no log rather than a folder made in passing.
    if (logFolder().isEmpty() || !QFileInfo(logFolder()).isDir())
        return;
    const QString path = QDir(logFolder()).filePath(QString::fromLatin1(kFileName));
    if (QFileInfo(path).size() >= kRotateSize) {
        const QString old = path + QStringLiteral(".1");
        QFile::remove(old);
        QFile::rename(path, old);
    }
    QFile log(path);
    const bool isNew = !log.exists();
    if (!log.open(QIODevice::Append | QIODevice::Text))
        return;  // a log that cannot be written must not stand in the way of the work
    if (isNew)
        log.setPermissions(QFile::ReadOwner | QFile::WriteOwner);  // private to the user
    QString entry
        = QDateTime::currentDateTimeUtc().toString(Qt::ISODate) + QStringLiteral(" engine error");
    if (!engineCode.isEmpty())
        entry += QStringLiteral(" ") + engineCode;
    entry += QStringLiteral("\n  file: ") + file + QStringLiteral("\n  engine: ") + engineText;
    if (!statement.isEmpty())
        entry += QStringLiteral("\n  statement: ") + statement;
    entry += QLatin1Char('\n');
    log.write(entry.toUtf8());
}

}  // namespace EngineLog
