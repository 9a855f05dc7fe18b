#pragma once
// Keeps a second copy of the program from running for the same user. A lock
// file left behind by a copy that crashed does not block the next start.
#include <QLockFile>
#include <QString>

namespace vamok {

inline constexpr const char* kAlreadyRunningText =
    "Anwendung l\xE4uft bereits! (Program is already running!)";

class SingleInstanceGuard {
public:
    // The lock lives as long as the guard.
    explicit SingleInstanceGuard(const QString& lockFilePath = DefaultLockPath());

    // False when another running copy holds the lock.
    bool acquired() const { return acquired_; }

    // "VAMOK.lock" in the user's runtime folder.
    static QString DefaultLockPath();

private:
    QLockFile lock_;
    bool acquired_ = false;
};

} // namespace vamok
