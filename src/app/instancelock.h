// The runs of the program that share one program folder: each holds a lock on the folder for as
// long as it runs, so that a run can tell whether it is the only one.
#pragma once

#include <filesystem>
#include <functional>

namespace tabrin::app {

class InstanceLock {
public:
    /// Registers this run in `folder` (a hidden lock file there) until the object is destroyed.
    /// When no other run is registered, `whenAlone` runs first, and no run starting meanwhile can
    /// register before it has finished. A folder where the lock cannot be taken counts as shared
    /// with another run: `whenAlone` does not run.
    InstanceLock(const std::filesystem::path& folder, const std::function<void()>& whenAlone);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

private:
    int m_file = -1;
};

}  // namespace tabrin::app
