#pragma once

#include <QLockFile>
#include <QString>

namespace app {

// One running copy per machine: a lock file that the running copy holds. A copy that crashed
// leaves a lock whose process is gone, and the next start takes it over.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    // True when this process now holds the lock; false while another copy runs.
    bool acquire();
    // Lets go of the lock, for example before the program starts itself again.
    void release();

    static QString defaultLockPath();

  private:
    QLockFile lock_;
};

}  // namespace app
