// The time stamps of a file by which a change made by another program is noticed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tabrin::app {

/// Creation and last-write time of a file, in milliseconds since 1970. The creation time is 0 where
/// the file system does not keep one; the last-access time plays no part.
struct FileStamp {
    std::int64_t createdMs = 0;
    std::int64_t writtenMs = 0;

    bool operator==(const FileStamp&) const = default;
};

/// The stamp of `file`, or nothing when the file does not exist or cannot be examined.
std::optional<FileStamp> readFileStamp(const std::filesystem::path& file);

}  // namespace tabrin::app
