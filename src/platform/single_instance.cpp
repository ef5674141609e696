#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace kestrin::platform {

SingleInstance::SingleInstance(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
    // Never stale by age, however long the program runs; only once its process is gone (a
    // crash) may the next start take it over.
    lock_->setStaleLockTime(0);
    // Only a lock held by another process means another start; a folder we cannot write must
    // not keep the program from starting at all.
    held_ = lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
}

}  // namespace kestrin::platform
