#pragma once

#include <QLockFile>
#include <QString>

namespace app {

// One running copy per user: a lock file held for the life of the process.
// The operating system drops the holder's claim when a run crashes, and the
// next start clears the left-over file because its process is gone.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // Tries once to take the lock; true when another live process holds it.
    // A lock that cannot be made at all (no writable folder) lets the program
    // run: refusing every start would be worse than a rare second copy.
    bool AnotherIsRunning();

    // <runtime folder>/<baseName>.lock; the temporary folder, with the user's
    // name added, where the system offers no per-user runtime folder.
    static QString LockPathFor(const QString& baseName);

private:
    QLockFile lock;
};

} // namespace app
