// Reading a whole file into memory: only regular files, never more than a given size.
#include "app/fileread.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace tabrin::app {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

FileReadResult failure(FileReadStatus status, int error = 0) { return {status, error, {}}; }

// A file may grow while it is read; reading stops one byte past the limit.
FileReadResult readOpened(int fd, std::uintmax_t expectedSize, std::uintmax_t sizeLimit) {
    FileReadResult result;
    try {
        result.bytes.reserve(static_cast<std::size_t>(expectedSize) + kChunk);  // room for the read that meets the end
        for (;;) {
            const std::size_t had = result.bytes.size();
            if (had > sizeLimit) return failure(FileReadStatus::TooLarge);
            result.bytes.resize(had + kChunk);
            const ssize_t count = ::read(fd, result.bytes.data() + had, kChunk);
            if (count < 0) {
                result.bytes.resize(had);
                if (errno == EINTR) continue;
                return failure(FileReadStatus::CannotRead, errno);
            }
            result.bytes.resize(had + static_cast<std::size_t>(count));
            if (count == 0) return result;
        }
    } catch (const std::bad_alloc&) {
        return failure(FileReadStatus::NoMemory, ENOMEM);
    }
}

}  // namespace

FileReadResult readRegularFile(const std::filesystem::path& path, std::uintmax_t sizeLimit) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failure(errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::CannotOpen, errno);
    struct stat info {};
    FileReadResult result;
    if (::fstat(fd, &info) != 0) {
        result = failure(FileReadStatus::CannotOpen, errno);
    } else if (!S_ISREG(info.st_mode)) {
        result = failure(FileReadStatus::NotRegular);
    } else if (static_cast<std::uintmax_t>(info.st_size) > sizeLimit) {
        result = failure(FileReadStatus::TooLarge);
    } else {
        result = readOpened(fd, static_cast<std::uintmax_t>(info.st_size), sizeLimit);
    }
    ::close(fd);
    return result;
}

}  // namespace tabrin::app
