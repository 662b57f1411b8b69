// The description of an object's default by its format that the parameter-file window shows beside
// each object of the profile: the number with its sign and size, the scaled value with prefix and
// unit, the bit field's item or digits, or the root's count.
#pragma once

#include <string>
#include <vector>

#include "app/language.h"
#include "editing/unitlists.h"
#include "model/dictobject.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
class TextBase;
}  // namespace tabrin::bases

namespace tabrin::editing {

struct DefaultInfoContext {
    const std::vector<model::ScaleNumber>& scaleNumbers;
    const UnitLists& units;
    const bases::TextBase& texts;  // the bit field's enumeration is the one bound to its text
    const bases::SetBase& sets;
    app::Language language;
    app::Translator& translator;
};

/// "Стд.числ. 540 U16", "IQ 12.500 кВ", "Плав.т. 1.50 A", "Бит. \"Вкл\" перечисл.", "3 корневой".
std::string defaultInfo(const model::DictObject& object, const DefaultInfoContext& context);

}  // namespace tabrin::editing
