// The text base file: any bytes load without a memory fault, and what loads is saved whole and to a
// fixed point.
#include "bases/textbase.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tabrin::fuzz::checkBaseSaveFixedPoint<tabrin::bases::TextBase>(tabrin::fuzz::bytesOf(data, size));
    return 0;
}
