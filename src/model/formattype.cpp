// The kinds a profile names by text in an object's format, each with its text in one table.
#include "model/formattype.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tabrin::model {
namespace {

constexpr std::array<std::pair<FormatType, std::string_view>, 5> kFormatTypes{{
    {FormatType::Root, "Root"},
    {FormatType::Bit, "Bit"},
    {FormatType::StandartNum, "StandartNum"},
    {FormatType::IQ, "IQ"},
    {FormatType::Float, "Float"},
}};

constexpr std::array<std::pair<FloatKind, std::string_view>, 2> kFloatKinds{{
    {FloatKind::Absolute, "Absolute"},
    {FloatKind::Relative, "Relative"},
}};

constexpr std::array<std::pair<Access, std::string_view>, 4> kAccesses{{
    {Access::Viewable, "Viewable"},
    {Access::Editable, "Editable"},
    {Access::Protected, "Protected"},
    {Access::Secret, "Secret"},
}};

template <typename Kind, std::size_t Count>
Kind kindOf(const std::array<std::pair<Kind, std::string_view>, Count>& table, std::string_view text) {
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& entry) { return entry.second == text; });
    return found == table.end() ? Kind::Unknown : found->first;
}

template <typename Kind, std::size_t Count>
std::string_view textOf(const std::array<std::pair<Kind, std::string_view>, Count>& table, Kind kind) {
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& entry) { return entry.first == kind; });
    return found == table.end() ? std::string_view() : found->second;
}

}  // namespace

FormatType formatTypeOf(std::string_view text) { return kindOf(kFormatTypes, text); }
FloatKind floatKindOf(std::string_view text) { return kindOf(kFloatKinds, text); }
Access accessOf(std::string_view text) { return kindOf(kAccesses, text); }

std::string_view formatTypeText(FormatType type) { return textOf(kFormatTypes, type); }
std::string_view floatKindText(FloatKind kind) { return textOf(kFloatKinds, kind); }
std::string_view accessText(Access access) { return textOf(kAccesses, access); }

}  // namespace tabrin::model
