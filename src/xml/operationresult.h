// The outcome of reading or writing a document or one of its elements: code 0 for success,
// else a message for the user.
#pragma once

#include <string>
#include <string_view>

namespace tabrin::xml {

struct TOperationResult {
    int code = 0;
    std::u16string message;  // wide, as every outcome message is

    bool ok() const { return code == 0; }
    bool operator==(const TOperationResult&) const = default;

    /// A result whose message is given as Windows-1251 text.
    static TOperationResult fromText(int code, std::string_view message);
};

}  // namespace tabrin::xml
