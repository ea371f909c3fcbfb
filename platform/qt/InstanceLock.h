#pragma once

#include <string>

namespace corvane::forms::qt {

/// One running copy per program and user: the first copy holds an exclusive lock on a file named
/// after the program, and every later copy finds it held. The lock goes with the process, so a copy
/// that crashed never blocks the next one.
class InstanceLock {
public:
    /// Takes the lock on `folder`/`program`.lock. A folder where no lock file can be made counts as
    /// no other copy running, so the program still starts.
    InstanceLock(const std::string& folder, const std::string& program);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    /// The user's folder for such locks: $XDG_RUNTIME_DIR, else the configuration folder
    /// ($XDG_CONFIG_HOME, else ~/.config).
    static std::string userFolder();

    /// True when another copy held the lock when this one was made.
    bool anotherCopyRunning() const { return anotherCopyRunning_; }

private:
    int fd_ = -1;
    bool anotherCopyRunning_ = false;
};

} // namespace corvane::forms::qt
