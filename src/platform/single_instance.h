#pragma once
// One running program per user: the first start holds a lock file in the runtime folder;
// a second start finds it held and ends.

#include <QLockFile>
#include <QString>
#include <memory>

namespace kestrin::platform {

class SingleInstance {
public:
    // Tries to take the lock named name in the user's runtime (or temporary) folder.
    explicit SingleInstance(const QString& name);
    // Whether another running program already holds the lock.
    bool anotherIsRunning() const { return !held_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

}  // namespace kestrin::platform
