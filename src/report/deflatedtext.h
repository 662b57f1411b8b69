// Text compressed as it comes, in the raw deflate format a ZIP entry holds, with the length and
// CRC-32 of the text that the entry records.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tabrin::report {

class DeflatedText {
public:
    DeflatedText();
    ~DeflatedText();
    DeflatedText(const DeflatedText&) = delete;
    DeflatedText& operator=(const DeflatedText&) = delete;

    /// Compresses `text` after what came before.
    void append(std::string_view text);
    /// Ends the compressed stream; false when compressing failed at any point.
    bool finish();

    const std::string& compressed() const { return m_compressed; }
    std::uint64_t textSize() const { return m_textSize; }
    std::uint32_t crc() const { return m_crc; }

private:
    struct Stream;

    bool deflateAll(std::string_view text, bool last);

    std::unique_ptr<Stream> m_stream;
    bool m_ok;
    std::string m_compressed;
    std::uint64_t m_textSize = 0;
    std::uint32_t m_crc = 0;
};

}  // namespace tabrin::report
