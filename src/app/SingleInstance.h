#pragma once

#include <QString>
#include <QtGlobal>

#ifndef Q_OS_WIN
#include <QLockFile>
#endif

namespace app {

// One running copy per user. On Linux a lock file held for the life of the
// process: the operating system drops the holder's claim when a run crashes,
// and the next start clears the left-over file because its process is gone.
// On Windows a named mutex, which the system removes with the last process
// holding it, crashed or not, and which leaves nothing on disk.
class SingleInstance {
public:
    // lockPath comes from LockPathFor: a file on Linux, a kernel object's name
    // on Windows.
    explicit SingleInstance(const QString& lockPath);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
#ifdef Q_OS_WIN
    ~SingleInstance();
#endif

    // Tries once to take the lock; true when another live process holds it.
    // A lock that cannot be made at all (no writable folder) lets the program
    // run: refusing every start would be worse than a rare second copy.
    bool AnotherIsRunning();

    // Linux: <runtime folder>/<baseName>.lock; the temporary folder, with the
    // user's name added, where the system offers no per-user runtime folder.
    // Windows: Local\<baseName>-<user>, a name in the logon session's own
    // namespace (Qt's runtime folder there is the user's home folder).
    static QString LockPathFor(const QString& baseName);

private:
#ifdef Q_OS_WIN
    QString name;
    void* mutex = nullptr; // the HANDLE, once this process holds the name
#else
    QLockFile lock;
#endif
};

} // namespace app
