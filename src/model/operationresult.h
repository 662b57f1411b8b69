// The outcome of reading or writing one document element: code 0 for success, else a message.
#pragma once

#include <string>

namespace tabrin::model {

struct TOperationResult {
    int code = 0;
    std::u16string message;  // shown to the user; wide, as every outcome message is

    bool ok() const { return code == 0; }
};

}  // namespace tabrin::model
