#include "storage/FileLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace {

// Another copy of the program holds the lock only for the length of one user
// action, so a short wait is enough to tell busy from stuck.
constexpr int lockWaitMs = 2000;
constexpr int lockRetryMs = 1;

} // namespace

int lockOpenFile(QFile &file, FileLockKind kind)
{
#ifdef Q_OS_UNIX
    const int operation = (kind == FileLockKind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    const QDeadlineTimer deadline(lockWaitMs);
    while (::flock(file.handle(), operation) != 0) {
        const int error = errno;
        if (error == ENOLCK || error == EOPNOTSUPP)
            return 0;
        if ((error != EWOULDBLOCK && error != EINTR) || deadline.hasExpired())
            return error;
        QThread::msleep(lockRetryMs);
    }
#else
    Q_UNUSED(file);
    Q_UNUSED(kind);
#endif
    return 0;
}
