// The format editor "Формат" as data: its choices opened from an object, the rules by which each
// choice reveals the next ones and offers "OK", the Q-value and scale-coefficient lists, the bit
// strip, and the object's format fields and log line once confirmed.
#include "editing/formateditor.h"

#include <algorithm>

#include "app/formattext.h"
#include "app/integertext.h"
#include "app/optionsvalues.h"
#include "editing/scaletable.h"
#include "model/numbertext.h"

namespace tabrin::editing {
namespace {

constexpr std::array<std::string_view, 4> kVisualizations = {"Text", "Bin", "Dec", "Hex"};

struct Width {
    std::string_view isSigned;
    std::string_view size;
};
// By position: U8, I8, U16, I16, U32, I32.
constexpr std::array<Width, 6> kStandardNumbers = {
    {{"false", "8"}, {"true", "8"}, {"false", "16"}, {"true", "16"}, {"false", "32"}, {"true", "32"}}};
// By position: I16, I32, U16, U32.
constexpr std::array<Width, 4> kQTypes = {{{"true", "16"}, {"true", "32"}, {"false", "16"}, {"false", "32"}}};
constexpr int kUnsignedQ32 = 3;
constexpr int kDefaultQ32Value = 24;
constexpr int kMaxBitFieldWidth = 8;

template <std::size_t N>
std::optional<int> positionOf(const std::array<std::string_view, N>& texts, std::string_view text) {
    const auto found = std::find(texts.begin(), texts.end(), text);
    if (found == texts.end()) return std::nullopt;
    return static_cast<int>(found - texts.begin());
}

template <std::size_t N>
std::optional<int> widthPosition(const std::array<Width, N>& widths, const model::DictObject& object) {
    const bool isSigned = object.Signed == "true";
    for (std::size_t position = 0; position < N; ++position) {
        if (widths[position].size == object.Size && (widths[position].isSigned == "true") == isSigned)
            return static_cast<int>(position);
    }
    return std::nullopt;
}

std::optional<int> within(int value, int count) {
    if (value < 0 || value >= count) return std::nullopt;
    return value;
}

int qWidth(int qType) { return qType % 2 == 0 ? 16 : 32; }

std::string itemOrEmpty(const std::vector<std::string>& items, int position) {
    return position >= 0 && position < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(position)]
                                                                      : std::string();
}

}  // namespace

FormatEditor::FormatEditor(const model::DictObject& object, const std::vector<model::ScaleNumber>& scaleNumbers,
                           UnitLists lists)
    : m_object(object), m_scaleNumbers(scaleNumbers), m_lists(std::move(lists)) {
    open();
}

// A format that is no number (a new object) opens with nothing chosen.
void FormatEditor::open() {
    if (!app::toInteger(m_object.format)) return;
    if (m_object.isRoot()) {
        m_choices.place = kRoot;
        return;
    }
    m_choices.place = kNotRoot;
    if (m_object.access() != model::Access::Unknown) m_choices.access = static_cast<int>(m_object.access()) - 1;
    switch (m_object.formatType()) {
    case model::FormatType::Bit:
        m_choices.dataType = kBitType;
        m_choices.visualization = positionOf(kVisualizations, m_object.Visualization);
        if (within(m_object.StartBit, kBitStripCells) && m_object.Length > 0) {
            m_choices.firstBit = m_object.StartBit;
            m_choices.lastBit = std::min(m_object.StartBit + m_object.Length - 1, kBitStripCells - 1);
        }
        break;
    case model::FormatType::StandartNum:
        m_choices.dataType = kStandardType;
        m_choices.standard = widthPosition(kStandardNumbers, m_object);
        break;
    case model::FormatType::IQ:
        m_choices.dataType = kQType;
        m_choices.qType = widthPosition(kQTypes, m_object);
        m_choices.qValue = within(m_object.QValue, qWidth(m_choices.qType.value_or(kUnsignedQ32)));
        m_choices.scale = within(m_object.ScaleNum, kScaleCoefficients);
        break;
    case model::FormatType::Float:
        m_choices.dataType = kFloatType;
        if (m_object.floatKind() == model::FloatKind::Absolute) {
            m_choices.floatType = kAbsoluteFloat;
            m_choices.prefix = within(m_object.Prefix, static_cast<int>(m_lists.prefixes.size()));
            m_choices.units = within(m_object.Units, static_cast<int>(m_lists.units.size()));
            m_choices.decimals = std::clamp(m_object.NumOfFloat, kDecimalsRange.minimum, kDecimalsRange.maximum);
        } else if (m_object.floatKind() == model::FloatKind::Relative) {
            m_choices.floatType = kRelativeFloat;
            m_choices.scale = within(m_object.ScaleNum, kScaleCoefficients);
        }
        break;
    default:
        break;
    }
    m_dataTypeShown = true;
    m_typeChoicesShown = m_choices.dataType.has_value();
}

FormatGroups FormatEditor::groups() const {
    FormatGroups shown;
    shown.access = m_choices.place == kNotRoot;
    shown.dataType = shown.access && m_dataTypeShown;
    if (!shown.dataType || !m_typeChoicesShown) return shown;
    switch (m_choices.dataType.value_or(-1)) {
    case kBitType:
        shown.visualization = shown.bitField = true;
        break;
    case kStandardType:
        shown.standard = true;
        break;
    case kQType:
        shown.qType = shown.qValue = shown.scale = true;
        break;
    case kFloatType:
        shown.floatType = true;
        shown.units = m_choices.floatType == kAbsoluteFloat;
        shown.scale = m_choices.floatType == kRelativeFloat;
        break;
    default:
        break;
    }
    return shown;
}

// The access is needed too: an object whose access the profile did not name waits for it.
bool FormatEditor::okOffered() const {
    if (m_choices.place == kRoot) return true;
    const FormatGroups shown = groups();
    if (!m_choices.access || !shown.dataType || !m_typeChoicesShown) return false;
    const FormatChoices& c = m_choices;
    switch (c.dataType.value_or(-1)) {
    case kBitType:
        return c.visualization && c.firstBit && c.lastBit;
    case kStandardType:
        return c.standard.has_value();
    case kQType:
        return c.qType && c.qValue && c.scale;
    case kFloatType:
        if (c.floatType == kAbsoluteFloat) return c.prefix && c.units;
        return c.floatType == kRelativeFloat && c.scale;
    default:
        return false;
    }
}

// A click on the item already chosen changes nothing, as it never did: re-clicking "Не корневой"
// must not hide the choices made below it, nor re-clicking the Q type drop its Q value.
void FormatEditor::choosePlace(int position) {
    if (m_choices.place == position) return;
    m_choices.place = position;
    m_dataTypeShown = false;
    m_typeChoicesShown = false;
}

void FormatEditor::chooseAccess(int position) {
    m_choices.access = position;
    if (m_dataTypeShown) return;
    m_dataTypeShown = true;
    m_typeChoicesShown = false;
}

// The data type chosen again once the access has hidden its choices brings them back.
void FormatEditor::chooseDataType(int position) {
    if (m_choices.dataType == position && m_typeChoicesShown) return;
    m_choices.dataType = position;
    m_typeChoicesShown = true;
    // The Q choices come in sight as choosing the current Q type shows them.
    if (position == kQType) rebuildQValues();
}

void FormatEditor::chooseQType(int position) {
    if (m_choices.qType == position) return;
    m_choices.qType = position;
    rebuildQValues();
}

void FormatEditor::rebuildQValues() {
    const bool wide = qWidth(m_choices.qType.value_or(kUnsignedQ32)) == 32;
    m_choices.qValue = wide ? std::optional<int>(kDefaultQ32Value) : std::nullopt;
}

void FormatEditor::chooseFloatType(int position) {
    m_choices.floatType = position;
    if (position != kAbsoluteFloat) return;
    if (!m_choices.prefix && !m_lists.prefixes.empty()) m_choices.prefix = 0;
    if (!m_choices.units && !m_lists.units.empty()) m_choices.units = 0;
}

void FormatEditor::setDecimals(std::string_view text) { m_choices.decimals = app::numberFieldValue(text, kDecimalsRange); }

void FormatEditor::clickBit(int cell, bool leftButton) {
    if (!within(cell, kBitStripCells)) return;
    const int bit = kBitStripCells - 1 - cell;
    std::optional<int>& first = m_choices.firstBit;
    std::optional<int>& last = m_choices.lastBit;
    if (leftButton) {
        last = bit;
        if (first && *first > bit) first = bit;
    } else {
        first = bit;
        if (last && *last < bit) last = bit;
    }
    if (!first) first = last;
    if (!last) last = first;
    if (*last - *first + 1 > kMaxBitFieldWidth) last = *first + kMaxBitFieldWidth - 1;
}

bool FormatEditor::bitMarked(int cell) const {
    const int bit = kBitStripCells - 1 - cell;
    return m_choices.firstBit && m_choices.lastBit && bit >= *m_choices.firstBit && bit <= *m_choices.lastBit;
}

std::vector<std::string> FormatEditor::qValueItems() const {
    const int qType = m_choices.qType.value_or(kUnsignedQ32);
    const int width = qWidth(qType);
    const bool isSigned = kQTypes[static_cast<std::size_t>(qType)].isSigned == "true";
    std::vector<std::string> items;
    for (int fraction = 0; fraction < width; ++fraction) {
        std::string item = "(" + std::string(isSigned ? "" : "Unsigned ") + std::to_string(width - fraction) + "." +
                           std::to_string(fraction) + ") " + (isSigned ? "s " : "i ");
        for (int bit = 1; bit < width - fraction; ++bit) item += "i ";
        if (fraction > 0) item += ", ";
        for (int bit = 0; bit < fraction; ++bit) item += "f ";
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> FormatEditor::scaleItems() const {
    std::vector<std::string> items;
    for (int position = 0; position < kScaleCoefficients; ++position) {
        const model::ScaleNumber scale = position < static_cast<int>(m_scaleNumbers.size())
                                             ? m_scaleNumbers[static_cast<std::size_t>(position)]
                                             : model::ScaleNumber();
        const ScaleListTexts texts = scaleListTexts(scale, m_lists);
        std::string item = model::numberToHexText(static_cast<std::uint32_t>(position), 2) + ": " +
                           texts.precision + "  " + texts.prefix + texts.unit + "  IQ" + texts.qFormat;
        if (!scale.possible_value.empty()) item += "  (" + scale.possible_value + ")";
        if (!scale.name.empty()) item += "  [" + scale.name + "]";
        items.push_back(std::move(item));
    }
    return items;
}

model::DictObject FormatEditor::confirmed() const {
    model::DictObject object = m_object;
    object.format.clear();
    object.DataType.clear();
    object.Type.clear();
    object.Signed.clear();
    object.Size.clear();
    object.Visualization.clear();
    object.ScaleNum = object.QValue = object.Length = object.StartBit = 0;
    const FormatChoices& c = m_choices;
    if (c.place == kRoot) {
        object.DataType = model::accessText(model::Access::Viewable);
        object.Type = model::formatTypeText(model::FormatType::Root);
        object.format = "0";
        return object;
    }
    object.DataType = model::accessText(static_cast<model::Access>(c.access.value_or(0) + 1));
    switch (c.dataType.value_or(-1)) {
    case kBitType:
        object.Type = model::formatTypeText(model::FormatType::Bit);
        object.Visualization = kVisualizations[static_cast<std::size_t>(c.visualization.value_or(0))];
        object.Length = c.lastBit.value_or(0) - c.firstBit.value_or(0) + 1;
        object.StartBit = c.firstBit.value_or(0);
        break;
    case kStandardType: {
        const Width& width = kStandardNumbers[static_cast<std::size_t>(c.standard.value_or(0))];
        object.Type = model::formatTypeText(model::FormatType::StandartNum);
        object.Signed = width.isSigned;
        object.Size = width.size;
        break;
    }
    case kQType: {
        const Width& width = kQTypes[static_cast<std::size_t>(c.qType.value_or(0))];
        object.Type = model::formatTypeText(model::FormatType::IQ);
        object.Signed = width.isSigned;
        object.Size = width.size;
        object.QValue = c.qValue.value_or(0) & 0x1F;
        object.ScaleNum = c.scale.value_or(0) & 0x1F;
        break;
    }
    case kFloatType:
        object.Type = model::formatTypeText(model::FormatType::Float);
        if (c.floatType == kAbsoluteFloat) {
            object.FloatType = model::floatKindText(model::FloatKind::Absolute);
            object.NumOfFloat = c.decimals & 3;
            object.Prefix = c.prefix.value_or(0) & 7;
            object.Units = c.units.value_or(0) & 0x3F;
        } else {
            object.FloatType = model::floatKindText(model::FloatKind::Relative);
            object.NumOfFloat = object.Prefix = object.Units = 0;
            object.ScaleNum = c.scale.value_or(0) & 0x1F;
        }
        break;
    default:
        break;
    }
    object.format = std::to_string(model::formatWord(object));
    return object;
}

std::string FormatEditor::logLine(const model::DictObject& confirmed) const {
    return app::formatText(
        "Format of object #%d [%s.%s] changed to:\r\n\t AccType: %s\r\n\t Type: %s\r\n\t Signed: %s\r\n\t Size: "
        "%s\r\n\t Visualization: %s\r\n\t ScaleNum: %d\r\n\t QValue: %d\r\n\t StartBit: %d\r\n\t Length: %d\r\n\t "
        "FloatType: %s\r\n\t Prefix: %s\r\n\t Units: %s\r\n\t NumOfFloat: %d",
        {std::to_string(confirmed.number), confirmed.index, confirmed.subindex, confirmed.DataType, confirmed.Type,
         confirmed.Signed, confirmed.Size, confirmed.Visualization, std::to_string(confirmed.ScaleNum),
         std::to_string(confirmed.QValue), std::to_string(confirmed.StartBit), std::to_string(confirmed.Length),
         confirmed.FloatType, itemOrEmpty(m_lists.prefixes, confirmed.Prefix),
         itemOrEmpty(m_lists.units, confirmed.Units), std::to_string(confirmed.NumOfFloat)});
}

}  // namespace tabrin::editing
