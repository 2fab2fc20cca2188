#include "FileFaults.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QRandomGenerator>

#include <csignal>
#include <unistd.h>

namespace FileFaults {

QHash<QString, QByteArray> checksums(const QString &folder)
{
    QHash<QString, QByteArray> sums;
    for (const QString &name : kFiles) {
        QFile f(folder + QLatin1Char('/') + name);
        sums.insert(name, f.open(QIODevice::ReadOnly)
                              ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                              : QByteArray());
    }
    return sums;
}

bool breakFile(const QString &path, const QString &kind)
{
    QFile file(path);
    if (kind == QLatin1String("missing"))
        return file.remove();
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray original = file.readAll();
    QByteArray content;
    QRandomGenerator random(337);
    auto noise = [&](int n) {
        QByteArray bytes(n, '\0');
        for (char &b : bytes)
            b = char(random.bounded(256));
        return bytes;
    };
    if (kind == QLatin1String("truncated"))
        content = original.left(original.size() / 2);
    else if (kind == QLatin1String("garbage"))
        content = noise(int(original.size()));
    else if (kind == QLatin1String("garbage after header"))
        content = original.left(100) + noise(int(original.size()) - 100);
    else if (kind == QLatin1String("jet"))
        content = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + noise(8192);
    else if (kind != QLatin1String("empty"))
        return false;
    file.resize(0);
    file.seek(0);
    return file.write(content) == content.size() && file.flush();
}

bool setImmutable(const QString &path, bool on)
{
    return QProcess::execute(QStringLiteral("chattr"),
                             {on ? QStringLiteral("+i") : QStringLiteral("-i"), path})
           == 0;
}

LockHolder::LockHolder(const QString &path, double seconds, const QString &work,
                       const QString &begin)
{
    // The shell prints "locked" once it holds the lock, then keeps it for the time given.
    // The statements go in as arguments, so that quotes in them reach sqlite3 as written.
    const QString script
        = QStringLiteral("(printf '%s;\\n%s\\n.print locked\\n' \"$1\" \"$2\"; sleep \"$3\";"
                         " printf 'COMMIT;\\n') | exec sqlite3 \"$0\"");
    // Its own process group, so that the shell, the sleep and sqlite3 end together.
    m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"), script, path, begin, work, QString::number(seconds)});
    if (!m_process.waitForStarted(5000))
        return;
    QByteArray said;
    while (m_process.waitForReadyRead(5000)) {
        said += m_process.readAll();
        if (qEnvironmentVariableIsSet("FORM337_DEBUG_LOCKS"))
            qDebug() << "lock holder said:" << said;
        if (said.contains("locked")) {
            m_holding = true;
            return;
        }
    }
}

LockHolder::~LockHolder()
{
    killNow();
}

void LockHolder::killNow()
{
    if (qEnvironmentVariableIsSet("FORM337_DEBUG_LOCKS"))
        qDebug() << "lock holder said:" << m_process.readAll();
    if (m_process.state() != QProcess::NotRunning) {
        ::kill(-pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished(5000);
    }
}

}  // namespace FileFaults
