// Running part of a test as an ordinary user. Permission bits do not stop root, so a test of what
// they refuse runs that part as "nobody" when the tests run as root.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace tabrin::test {

inline constexpr uid_t kNobody = 65534;

/// Runs `body` with the permissions of an ordinary user: the current one, or "nobody" for root.
/// False, without running it, when the user cannot be changed.
template <typename Body>
bool runAsOrdinaryUser(Body&& body) {
    if (::geteuid() != 0) {
        body();
        return true;
    }
    if (::setegid(kNobody) != 0) return false;
    if (::seteuid(kNobody) != 0) {
        [[maybe_unused]] const int restored = ::setegid(0);
        return false;
    }
    body();
    [[maybe_unused]] const int user = ::seteuid(0);
    [[maybe_unused]] const int group = ::setegid(0);
    return true;
}

/// Gives `path` to the user `runAsOrdinaryUser` runs as (a no-op unless the tests run as root).
inline void giveToOrdinaryUser(const std::filesystem::path& path) {
    if (::geteuid() == 0) {
        [[maybe_unused]] const int given = ::chown(path.c_str(), kNobody, kNobody);
    }
}

}  // namespace tabrin::test
