// The time stamps of a file by which a change made by another program is noticed.
#include "app/filestamp.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace tabrin::app {
namespace {

std::int64_t milliseconds(const struct statx_timestamp& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

}  // namespace

std::optional<FileStamp> readFileStamp(const std::filesystem::path& file) {
    struct statx status {};
    if (::statx(AT_FDCWD, file.c_str(), 0, STATX_MTIME | STATX_BTIME, &status) != 0) return std::nullopt;
    FileStamp stamp;
    if (status.stx_mask & STATX_BTIME) stamp.createdMs = milliseconds(status.stx_btime);
    stamp.writtenMs = milliseconds(status.stx_mtime);
    return stamp;
}

}  // namespace tabrin::app
