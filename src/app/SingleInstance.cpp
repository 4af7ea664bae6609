#include "app/SingleInstance.h"

#include <QDir>

namespace app {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // The lock is held for the whole run: it never goes stale by age, only when its process
    // has ended.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.isLocked() || lock_.tryLock(0);
}

void SingleInstance::release() {
    lock_.unlock();
}

QString SingleInstance::defaultLockPath() {
    return QDir::temp().filePath(QStringLiteral("Veldhorn Cadre.lock"));
}

}  // namespace app
