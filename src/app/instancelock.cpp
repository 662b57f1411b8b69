// The runs of the program that share one program folder: each holds a lock on the folder for as
// long as it runs, so that a run can tell whether it is the only one.
#include "app/instancelock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace tabrin::app {
namespace {

constexpr const char* kLockFileName = ".Tabrin4.lock";

int lockFile(int fd, int operation) {
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Holds the folder itself exclusively while a run looks at the lock file and decides: two runs
// that start together never both find themselves alone.
class FolderGuard {
public:
    explicit FolderGuard(const std::filesystem::path& folder)
        : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        m_held = m_fd >= 0 && lockFile(m_fd, LOCK_EX) == 0;
    }
    ~FolderGuard() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

    bool held() const { return m_held; }

private:
    int m_fd;
    bool m_held = false;
};

}  // namespace

InstanceLock::InstanceLock(const std::filesystem::path& folder, const std::function<void()>& whenAlone) {
    const FolderGuard guard(folder);
    if (!guard.held()) return;
    m_file = ::open((folder / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_file < 0) return;
    // Every run holds the file shared; only a run that finds no other holder gets it exclusively.
    if (lockFile(m_file, LOCK_EX | LOCK_NB) == 0 && whenAlone) whenAlone();
    lockFile(m_file, LOCK_SH);
}

InstanceLock::~InstanceLock() {
    if (m_file >= 0) ::close(m_file);
}

}  // namespace tabrin::app
