// Replacing a file's contents without ever leaving a half-written file behind.
#include "app/filewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "app/cp1251.h"

namespace tabrin::app {
namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The replacement keeps the permissions of the file it replaces; a new file gets the usual ones.
mode_t modeFor(const std::filesystem::path& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileWriteStatus writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return FileWriteStatus::CannotOpen;

    const bool ok = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (ok && closed && ::rename(pattern.c_str(), path.c_str()) == 0) return FileWriteStatus::Written;
    const int error = errno;
    ::unlink(pattern.c_str());
    errno = error;
    return FileWriteStatus::CannotWrite;
}

std::string systemErrorText(int error) {
    // The system describes its errors in the text of the user's locale, UTF-8 on this platform.
    return cp1251::fromUtf8(std::strerror(error));
}

}  // namespace tabrin::app
