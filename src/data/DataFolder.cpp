#include "data/DataFolder.h"

#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>

namespace DataFolder {

QString resolve(const QString &folder, const QString &fileName)
{
    // cleanPath collapses doubled separators ("/data//FORM337.MDB").
    const QString cleanFolder = QDir::cleanPath(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QString direct = QDir::cleanPath(cleanFolder + QLatin1Char('/') + fileName);
    if (fileName.isEmpty() || QFileInfo::exists(direct))
        return direct;

    const QDir dir(cleanFolder);
    const QStringList entries = dir.entryList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return direct;
}

QString resolvePath(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return resolve(QString(), clean);
    if (slash == 0)
        return resolve(QStringLiteral("/"), clean.mid(1));
    return resolve(clean.left(slash), clean.mid(slash + 1));
}

QFileDevice::Permissions newFilePermissions(const QString &folder)
{
    QFileDevice::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    struct stat info
    { };
    if (::stat(QFile::encodeName(QDir::cleanPath(folder)).constData(), &info) == 0
        && (info.st_mode & (S_IWGRP | S_ISGID)) != 0)
        permissions |= QFile::ReadGroup | QFile::WriteGroup;
    return permissions;
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty())
        return folder;  // no folder chosen: callers test for the empty text
    QString clean = QDir::cleanPath(folder);
    if (!clean.endsWith(QLatin1Char('/')))
        clean += QLatin1Char('/');
    return clean;
}

int longestEnginePath()
{
    // The engine refuses a file whose path plus its journal's suffix ("-journal")
    // does not fit in its path buffer.
    constexpr int kJournalSuffix = 8;
    const sqlite3_vfs *vfs = sqlite3_vfs_find(nullptr);
    return (vfs ? vfs->mxPathname : 512) - kJournalSuffix;
}

int dataFilePathBytes(const QString &folder)
{
    const QFileInfo info(folder);
    const QString canonical
        = info.exists() ? info.canonicalFilePath() : QDir::cleanPath(QDir(folder).absolutePath());
    qsizetype longestName = 0;
    for (const char *name : {Schema::kFormsFile, Schema::kAgentsFile, Schema::kSettingsFile})
        longestName = qMax<qsizetype>(longestName, qstrlen(name));
    return int(withTrailingSeparator(canonical).toUtf8().size() + longestName);
}

}  // namespace DataFolder
