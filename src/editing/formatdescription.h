// The format column of the dictionary table: an object's access and format in a few words.
#pragma once

#include <string>

namespace tabrin::app {
class Translator;
}
namespace tabrin::model {
struct DictObject;
}

namespace tabrin::editing {

struct UnitLists;

/// "W.Станд. числ.U16", "R.Q-тип.I32 8,24 м.к.№03h", "P.Бит.16-ич. 8h-Bh", "Корневой"…;
/// "не задан" when the format word is not a number.
std::string describeFormat(const model::DictObject& object, const UnitLists& lists, app::Translator& translator);

}  // namespace tabrin::editing
