#include "ProgramStart.h"

#include <QByteArrayList>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace ProgramStart {

QString prepare(const QString &dataFolder)
{
    // Data copied from another folder still names that folder: the runs must read and
    // write this one.
    const QString settings = dataFolder + QStringLiteral("/setup337.mdb");
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(settings.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        const QByteArray folder = (QDir::cleanPath(dataFolder) + QLatin1Char('/')).toUtf8();
        if (sqlite3_prepare_v2(db, "UPDATE Setup SET DataPath = ?1", -1, &statement, nullptr)
            == SQLITE_OK) {
            sqlite3_bind_text(statement, 1, folder.constData(), int(folder.size()),
                              SQLITE_TRANSIENT);
            sqlite3_step(statement);
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);

    const QString home = dataFolder + QStringLiteral("-home");
    QDir().mkpath(home);
    const QString programFolder = home + QStringLiteral("/form337");
    if (!QFileInfo(programFolder).isSymLink())
        QFile::link(QDir(dataFolder).absolutePath(), programFolder);
    return home;
}

void evictFromPageCache(const QString &folder)
{
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
        const int fd = ::open(QFile::encodeName(file.filePath()).constData(), O_RDONLY);
        if (fd < 0)
            continue;
        posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

Result run(const QString &program, const QString &home)
{
    QByteArrayList variables;
    for (char **e = environ; *e; ++e) {
        const QByteArray variable(*e);
        if (!variable.startsWith("XDG_DATA_HOME=") && !variable.startsWith("QT_QPA_PLATFORM=")
            && !variable.startsWith("FORM337_REPORT_FIRST_PAINT="))
            variables << variable;
    }
    variables << "QT_QPA_PLATFORM=offscreen"
              << "FORM337_REPORT_FIRST_PAINT=quit"
              << "XDG_DATA_HOME=" + QFile::encodeName(QDir(home).absolutePath());
    QList<char *> environment;
    for (QByteArray &variable : variables)
        environment << variable.data();
    environment << nullptr;
    QByteArray path = QFile::encodeName(program);
    char *arguments[] = {path.data(), nullptr};

    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    Result result;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned
        = posix_spawn(&pid, path.constData(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return result;
    }
    QByteArray seen;
    while (!seen.contains("first paint\n")) {
        pollfd readable{out[0], POLLIN, 0};
        if (poll(&readable, 1, 60'000) <= 0)
            break;  // no window within a minute: reported as not measured
        char buffer[256];
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        seen.append(buffer, n);
    }
    if (seen.contains("first paint\n"))
        result.ms = timer.nsecsElapsed() / 1e6;
    else
        kill(pid, SIGKILL);  // the process this run started, by its id
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid)
        result.peakMb = usage.ru_maxrss / 1024;
    return result;
}

}  // namespace ProgramStart
