// Text compressed as it comes, in the raw deflate format a ZIP entry holds, with the length and
// CRC-32 of the text that the entry records.
#include "report/deflatedtext.h"

#include <zlib.h>

#include <algorithm>
#include <limits>

namespace tabrin::report {
namespace {

// Negative window bits: the bare deflate stream, without the zlib header and trailer.
constexpr int kRawDeflateWindowBits = -15;
constexpr int kMemoryLevel = 8;
constexpr std::size_t kOutputStep = 64 * 1024;

}  // namespace

struct DeflatedText::Stream {
    z_stream z{};
};

DeflatedText::DeflatedText()
    : m_stream(std::make_unique<Stream>()),
      m_ok(deflateInit2(&m_stream->z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kRawDeflateWindowBits, kMemoryLevel,
                        Z_DEFAULT_STRATEGY) == Z_OK) {}

DeflatedText::~DeflatedText() {
    if (m_ok) deflateEnd(&m_stream->z);
}

bool DeflatedText::deflateAll(std::string_view text, bool last) {
    z_stream& z = m_stream->z;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    int status = Z_OK;
    do {
        const std::size_t written = m_compressed.size();
        m_compressed.resize(written + kOutputStep);
        z.next_out = reinterpret_cast<Bytef*>(m_compressed.data() + written);
        z.avail_out = static_cast<uInt>(kOutputStep);
        status = deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
        m_compressed.resize(written + kOutputStep - z.avail_out);
        if (status == Z_STREAM_ERROR) return false;
    } while (z.avail_in > 0 || (last && status != Z_STREAM_END) || (!last && z.avail_out == 0));
    return true;
}

void DeflatedText::append(std::string_view text) {
    while (m_ok && !text.empty()) {
        // zlib counts in 32 bits.
        const std::string_view piece = text.substr(0, std::numeric_limits<uInt>::max());
        m_crc = static_cast<std::uint32_t>(crc32(m_crc, reinterpret_cast<const Bytef*>(piece.data()),
                                                 static_cast<uInt>(piece.size())));
        m_textSize += piece.size();
        m_ok = deflateAll(piece, false);
        text.remove_prefix(piece.size());
    }
}

bool DeflatedText::finish() {
    if (m_ok) m_ok = deflateAll({}, true);
    return m_ok;
}

}  // namespace tabrin::report
