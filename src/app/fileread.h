// Reading a whole file into memory: only regular files, never more than a given size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tabrin::app {

enum class FileReadStatus {
    Read,
    Missing,     // nothing at the path
    CannotOpen,  // the system refused to open it; `error` says why
    NotRegular,  // a folder, device, pipe or socket: what it would give is no file's contents
    TooLarge,    // larger than the limit
    NoMemory,    // the contents did not fit into memory
    CannotRead,  // a read failed; `error` says why
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Read;
    int error = 0;  // the system's error number, when it gave one
    std::string bytes;

    bool read() const { return status == FileReadStatus::Read; }
};

/// The whole contents of the regular file at `path` (symbolic links followed), if it holds at most
/// `sizeLimit` bytes. Opening never waits: a pipe without a writer is refused at once.
FileReadResult readRegularFile(const std::filesystem::path& path, std::uintmax_t sizeLimit);

}  // namespace tabrin::app
