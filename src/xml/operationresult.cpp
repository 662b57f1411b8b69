// The outcome of reading or writing a document or one of its elements.
#include "xml/operationresult.h"

#include "app/cp1251.h"

namespace tabrin::xml {

TOperationResult TOperationResult::fromText(int code, std::string_view message) {
    return {code, cp1251::toUtf16(message)};
}

}  // namespace tabrin::xml
