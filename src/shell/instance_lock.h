// The lock that keeps a second copy of the program from running on the same application
// folder. A copy that was killed on this computer leaves its lock file behind; the next start
// sees that the process named in it is gone and takes the lock over. A lock file written on
// another computer (a folder on a stick or a share) cannot be judged from here: the user
// decides whether to take it over. A lock that cannot be made at all stops the start.
#pragma once

#include <QLockFile>
#include <QString>

namespace vondrik {

inline constexpr char16_t kInstanceLockFile[] = u"\\vondrik.lock";

enum class LockOutcome {
    Acquired,     // this copy holds the lock
    RunningHere,  // a running copy on this computer holds it
    OtherHost,    // a lock file from another computer, or one that names no owner
    Failed,       // no lock file can be made here (folder not writable, missing, disk full)
};

struct LockResult {
    LockOutcome outcome = LockOutcome::Failed;
    // OtherHost: the computer named in the lock file; empty when the file names none.
    QString host;
    // The German text for the user, for every outcome but Acquired: the refusal of a second
    // copy, the question whether to take a foreign lock over, or the cause of the failure.
    QString message;
};

class InstanceLock {
  public:
    explicit InstanceLock(const QString& lockFilePath);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Tries to take the lock; asking again while it is held keeps it (Acquired).
    LockResult acquire();
    // After the user agreed to take over an OtherHost lock: removes that lock file and takes
    // the lock. Gives Acquired, RunningHere when a copy here got it first, or Failed.
    LockResult takeOver();

    bool held() const { return lock_.isLocked(); }
    QString path() const { return lock_.fileName(); }

  private:
    LockResult failure() const;

    QLockFile lock_;
};

}  // namespace vondrik
