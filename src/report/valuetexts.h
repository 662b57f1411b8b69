// The range and default texts of a dictionary object and the units its description gets, by its
// format word.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/language.h"
#include "report/scaletexts.h"

namespace tabrin::bases {
class SetBase;
class TextBase;
}  // namespace tabrin::bases
namespace tabrin::model {
struct DictObject;
}

namespace tabrin::report {

struct ValueTextContext {
    const std::vector<ScaleTexts>& scales;  // a coefficient beyond the table has no texts
    const bases::TextBase& texts;           // the enumerations bound to bit fields shown as text
    const bases::SetBase& sets;
    app::Language language;
    std::string viewable;  // the range of Viewable objects, translated
};

struct ValueTexts {
    std::string range;
    std::string defaultText;  // empty when there is none to show
    std::string units;        // empty for formats without units
};

/// The texts of `object`; nothing for roots and other format words below 0x800, which get no row.
/// Texts that are not numbers where one is needed show as "*" (default) or "?" (missing).
std::optional<ValueTexts> valueTexts(const model::DictObject& object, const ValueTextContext& context);

}  // namespace tabrin::report
