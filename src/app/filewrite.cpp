// Replacing a file's contents without ever leaving a half-written file behind.
#include "app/filewrite.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <optional>
#include <random>
#include <system_error>

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/paths.h"

namespace fs = std::filesystem;

namespace tabrin::app {
namespace {

constexpr int kMaxLinkHops = 40;  // the system's own limit on a chain of links
constexpr int kNameAttempts = 100;

std::mutex g_noticeMutex;
FileWriteNotice g_notice;

void tell(std::string_view line) {
    FileWriteNotice notice;
    {
        const std::lock_guard lock(g_noticeMutex);
        notice = g_notice;
    }
    if (notice) notice(line);
}

FileWriteResult failure(FileWriteStatus status, int error) { return {status, error}; }

// A pipe whose reader went away answers with EPIPE and a SIGPIPE that would end the program; the
// signal is held back while writing and dropped if it was ours.
class PipeSignalGuard {
public:
    PipeSignalGuard() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous);
    }
    ~PipeSignalGuard() {
        if (m_raised && !m_wasPending) {
            const timespec none{};
            while (sigtimedwait(&m_pipe, nullptr, &none) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    PipeSignalGuard(const PipeSignalGuard&) = delete;
    PipeSignalGuard& operator=(const PipeSignalGuard&) = delete;

    void noteBrokenPipe() { m_raised = true; }

private:
    sigset_t m_pipe{};
    sigset_t m_previous{};
    bool m_wasPending = false;
    bool m_raised = false;
};

// 0 when everything was written, else the system's error number.
int writeAll(int fd, std::string_view bytes) {
    PipeSignalGuard guard;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            if (errno == EPIPE) guard.noteBrokenPipe();
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The file a path finally names, every symbolic link on the way followed; a relative link is
// taken against the folder of the link.
std::optional<fs::path> finalTarget(const fs::path& path, int& error) {
    fs::path current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat link {};
        if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return current;
        std::error_code ec;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            error = ec.value();
            return std::nullopt;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    error = ELOOP;
    return std::nullopt;
}

fs::path folderOf(const fs::path& file) { return file.has_parent_path() ? file.parent_path() : fs::path("."); }

// Temporary files are named after their target, so that the leftovers of a killed save can be
// told from other files; the name stays short whatever the target's name is.
std::string temporaryPrefix(const fs::path& target) {
    std::uint64_t hash = 0xcbf29ce484222325;  // FNV-1a
    const std::string name = target.filename().native();
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string prefix = ".tabrin-";
    for (int shift = 60; shift >= 0; shift -= 4) prefix += kDigits[(hash >> shift) & 0xF];
    return prefix + "-";
}

std::string randomSuffix() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += kLetters[pick(generator)];
    return suffix;
}

// A temporary file is created under this name, which the clean-up never looks at, and takes its
// own name only once it is locked.
std::string newbornPrefix(const std::string& prefix) { return prefix.substr(0, prefix.size() - 1) + "+"; }

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// A writer holds a lock on its temporary file from before the file has its name until the rename;
// a file whose lock is free was left behind by a save that did not end.
void removeLeftovers(const fs::path& folder, const std::string& prefix) {
    std::error_code ec;
    for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end; entry.increment(ec)) {
        if (!entry->path().filename().native().starts_with(prefix)) continue;
        const int fd = ::open(entry->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened {};
        struct stat named {};
        // The name must still be the file found free: its writer may have renamed it meanwhile.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(entry->path().c_str(), &named) == 0 && sameFile(opened, named)) {
            ::unlink(entry->path().c_str());
        }
        ::close(fd);
    }
}

// Gives the locked newborn file its own name, never over an existing file where the file system
// can promise that. 0 or the system's error number.
int nameTemporary(const fs::path& newborn, const fs::path& temporary) {
    if (::renameat2(AT_FDCWD, newborn.c_str(), AT_FDCWD, temporary.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    return ::rename(newborn.c_str(), temporary.c_str()) == 0 ? 0 : errno;
}

// A new file, locked before the clean-up of another writer can see it; or -1 with errno set.
int createTemporary(const fs::path& folder, const std::string& prefix, fs::path& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string suffix = randomSuffix();
        const fs::path newborn = folder / (newbornPrefix(prefix) + suffix);
        temporary = folder / (prefix + suffix);
        const int fd = ::open(newborn.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return -1;
        }
        // Nobody else has reason to open a newborn file; one who did makes it a name taken.
        const int error = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? nameTemporary(newborn, temporary) : EEXIST;
        if (error == 0) return fd;
        ::unlink(newborn.c_str());
        ::close(fd);
        if (error != EEXIST) {
            errno = error;
            return -1;
        }
    }
    return -1;
}

// Devices, pipes and sockets take the bytes as they come; they are never replaced.
FileWriteResult writeDirectly(const fs::path& target, std::string_view bytes) {
    // Not waiting for a pipe's reader: a pipe nobody reads fails at once.
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failure(FileWriteStatus::CannotOpen, errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    const int error = writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (error != 0 || !closed) return failure(FileWriteStatus::CannotWrite, error != 0 ? error : errno);
    return {};
}

// The whole file from its start; 0 or the system's error number.
int readAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t count = ::pread(fd, buffer, sizeof buffer, at);
        if (count < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (count == 0) return 0;
        bytes.append(buffer, static_cast<std::size_t>(count));
        at += count;
    }
}

// Makes the file hold exactly `bytes`, overwriting it from its start; 0 or the system's error number.
int overwrite(int fd, std::string_view bytes) {
    if (::lseek(fd, 0, SEEK_SET) != 0) return errno;
    if (const int error = writeAll(fd, bytes); error != 0) return error;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Without a temporary file the old contents are at stake: room for the new ones is reserved
// before anything is overwritten, and the old bytes, kept in memory, are put back on any failure.
// They need no more room than they took before, so that works on a full disk too.
FileWriteResult writeInPlace(const fs::path& target, std::string_view bytes, int folderError) {
    tell(formatText("Writing '%s' in place: its folder allows no temporary file (%s)",
                    {shownPath(target.native()), systemErrorText(folderError)}));
    const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return failure(FileWriteStatus::CannotOpen, errno);
    std::string old;
    int error = readAll(fd, old);
    if (error != 0) {
        ::close(fd);
        return failure(FileWriteStatus::CannotOpen, error);
    }
    if (bytes.size() > old.size()) {
        // It returns its error rather than setting errno. Where the file system cannot reserve,
        // the kept bytes still protect the file.
        error = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        if (error == EOPNOTSUPP || error == EINVAL) error = 0;
    }
    if (error == 0) error = overwrite(fd, bytes);
    if (error != 0) overwrite(fd, old);  // nothing more can be done when even that fails
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return failure(FileWriteStatus::CannotWrite, error);
    return {};
}

FileWriteResult replaceFile(const fs::path& target, const struct stat* existing, std::string_view bytes) {
    const fs::path folder = folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    removeLeftovers(folder, prefix);
    fs::path temporary;
    const int fd = createTemporary(folder, prefix, temporary);
    if (fd < 0) {
        const int error = errno;
        if (existing && (error == EACCES || error == EPERM)) return writeInPlace(target, bytes, error);
        return failure(FileWriteStatus::CannotOpen, error);
    }
    int error = 0;
    if (existing) {
        // The owner first: changing it may clear the set-user-ID bits that the mode then restores.
        if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, existing->st_uid, existing->st_gid);
        }
        if (::fchmod(fd, existing->st_mode & 07777) != 0) error = errno;
    }
    if (error == 0) error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    // The lock is held until the rename, so that no other writer takes the file for a leftover.
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    ::close(fd);
    if (error == 0) return {};
    ::unlink(temporary.c_str());
    return failure(FileWriteStatus::CannotWrite, error);
}

FileWriteResult writeTarget(const fs::path& path, std::string_view bytes) {
    int error = 0;
    const std::optional<fs::path> target = finalTarget(path, error);
    if (!target) return failure(FileWriteStatus::CannotOpen, error);

    struct stat existing {};
    if (::stat(target->c_str(), &existing) != 0) {
        if (errno != ENOENT) return failure(FileWriteStatus::CannotOpen, errno);
        return replaceFile(*target, nullptr, bytes);
    }
    if (S_ISDIR(existing.st_mode)) return failure(FileWriteStatus::CannotOpen, EISDIR);
    if (!S_ISREG(existing.st_mode)) return writeDirectly(*target, bytes);

    // Replacing a file needs only the folder's permission; the file's own is asked for here, so
    // that a read-only file stays protected as it would against writing in place.
    const int probe = ::open(target->c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (probe < 0) return failure(FileWriteStatus::CannotOpen, errno);
    ::close(probe);
    return replaceFile(*target, &existing, bytes);
}

}  // namespace

// The system's messages are UTF-8 in the user's language.
std::string systemErrorText(int error) { return cp1251::fromUtf8(std::system_category().message(error)); }

FileWriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    const FileWriteResult result = writeTarget(path, bytes);
    if (!result.written() && result.error != 0) errno = result.error;
    return result;
}

void setFileWriteNotice(FileWriteNotice notice) {
    const std::lock_guard lock(g_noticeMutex);
    g_notice = std::move(notice);
}

}  // namespace tabrin::app
