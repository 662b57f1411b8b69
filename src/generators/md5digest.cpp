// The MD5 digest (RFC 1321) of the dictionary hash, computed by OpenSSL.
#include "generators/md5digest.h"

#include <openssl/evp.h>

namespace tabrin::generators {

std::optional<Md5Digest> md5Digest(std::string_view bytes) {
    Md5Digest digest{};
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_md5(), nullptr) != 1 ||
        length != digest.size()) {
        return std::nullopt;
    }
    return digest;
}

}  // namespace tabrin::generators
