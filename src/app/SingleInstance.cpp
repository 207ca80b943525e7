#include "app/SingleInstance.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QDir>
#include <QStandardPaths>
#endif

namespace app {

namespace {

// The shared temporary folder of some systems serves every user, as the
// session namespace of Windows can serve several: the user's name keeps one
// user's copy from refusing another user's.
QString WithUserName(const QString& baseName)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? baseName : baseName + QLatin1Char('-') + user;
}

} // namespace

#ifdef Q_OS_WIN

SingleInstance::SingleInstance(const QString& lockPath)
    : name(lockPath)
{ }

SingleInstance::~SingleInstance()
{
    if (mutex)
        CloseHandle(static_cast<HANDLE>(mutex));
}

bool SingleInstance::AnotherIsRunning()
{
    if (mutex)
        return false;
    const HANDLE handle = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(name.utf16()));
    const DWORD error = GetLastError();
    if (!handle) {
        // The name exists but is not ours to open: a copy run as
        // administrator holds it.
        return error == ERROR_ACCESS_DENIED;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        return true;
    }
    mutex = handle;
    return false;
}

QString SingleInstance::LockPathFor(const QString& baseName)
{
    // A backslash is the one character a kernel object's name cannot hold.
    QString name = WithUserName(baseName);
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("Local\\") + name;
}

#else

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
    return QDir(QDir::tempPath()).filePath(WithUserName(baseName) + QStringLiteral(".lock"));
}

#endif

} // namespace app
