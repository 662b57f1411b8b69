// Profiles that another editor saved in UTF-8: their bytes brought to the Windows-1251 that the
// program reads, so that saving them again writes what the declaration says.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabrin::model {

/// Whether `text` is UTF-8 by its byte-order mark or by the encoding its XML declaration names.
bool isUtf8Profile(std::string_view text);

/// Converts a UTF-8 profile text to Windows-1251 in place, dropping the byte-order mark; other texts
/// are left alone. Returns why it could not (the first character Windows-1251 cannot hold, or a
/// byte that is not UTF-8, with its line), leaving `text` as it was; `shownPath` names the file.
std::optional<std::u16string> convertUtf8Profile(std::string& text, std::string_view shownPath);

}  // namespace tabrin::model
