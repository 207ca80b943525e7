#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace app {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock(lockPath)
{
    // A held lock is never taken over for its age, however long the first copy
    // has been running; a lock whose process is gone is still cleared.
    lock.setStaleLockTime(0);
}

bool SingleInstance::AnotherIsRunning()
{
    if (lock.isLocked())
        return false;
    if (lock.tryLock(0))
        return false;
    return lock.error() == QLockFile::LockFailedError;
}

QString SingleInstance::LockPathFor(const QString& baseName)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        return QDir(runtime).filePath(baseName + QStringLiteral(".lock"));

    // The shared temporary folder of some systems serves every user; the
    // user's name keeps one user's copy from refusing another user's.
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QString name = user.isEmpty() ? baseName : baseName + QLatin1Char('-') + user;
    return QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
}

} // namespace app
