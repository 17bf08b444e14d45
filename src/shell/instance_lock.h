// The lock that keeps a second copy of the program from running on the same application
// folder. A copy that was killed leaves its lock file behind; the next start sees that the
// process named in it is gone and takes the lock over.
#pragma once

#include <QLockFile>
#include <QString>

namespace vondrik {

inline constexpr char16_t kInstanceLockFile[] = u"\\vondrik.lock";

class InstanceLock {
  public:
    explicit InstanceLock(const QString& lockFilePath);
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this copy holds the lock (now or already), false when another running copy
    // holds it. A folder where no lock file can be made does not stop the program.
    bool acquire();
    bool held() const { return lock_.isLocked(); }

  private:
    QLockFile lock_;
};

}  // namespace vondrik
