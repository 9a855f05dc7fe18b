#include "app/SingleInstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

namespace vamok {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFilePath) : lock_(lockFilePath)
{
    // A running copy may hold the lock for days; only a lock whose process
    // is gone counts as stale (QLockFile checks the recorded process).
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
}

QString SingleInstanceGuard::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + "/VAMOK.lock";
}

} // namespace vamok
