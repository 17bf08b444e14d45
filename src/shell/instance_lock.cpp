// The single-copy lock on a QLockFile.
#include "shell/instance_lock.h"

namespace vondrik {

InstanceLock::InstanceLock(const QString& lockFilePath) : lock_(lockFilePath) {
    // The program may run for days: only a dead owner makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    if (lock_.isLocked()) {
        return true;
    }
    if (lock_.tryLock(0)) {
        return true;
    }
    return lock_.error() != QLockFile::LockFailedError;
}

}  // namespace vondrik
