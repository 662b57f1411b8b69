// The MD5 digest (RFC 1321) of the dictionary hash, computed by OpenSSL.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tabrin::generators {

using Md5Digest = std::array<std::uint8_t, 16>;

/// The MD5 digest of `bytes`; nothing when the crypto library offers no MD5 (a FIPS-only setup).
std::optional<Md5Digest> md5Digest(std::string_view bytes);

}  // namespace tabrin::generators
