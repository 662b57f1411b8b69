// The page "Масштабирующие коэффициенты" as data: 32 rows, one per coefficient position, the
// lists its four list columns choose from, the keys its typed columns take, and each committed
// cell as one command of the profile document.
#include "editing/scaletablepage.h"

#include <algorithm>
#include <cctype>

#include "app/formattext.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "editing/profiledocument.h"
#include "editing/scalecommand.h"
#include "editing/scaletable.h"
#include "model/numbertext.h"

namespace tabrin::editing {
namespace {

// The field of a coefficient each list column chooses.
std::string model::ScaleNumber::*listField(int column) {
    switch (column) {
    case kPrecisionColumn:
        return &model::ScaleNumber::num_of_float;
    case kPrefixColumn:
        return &model::ScaleNumber::prefix;
    case kUnitsColumn:
        return &model::ScaleNumber::units;
    default:
        return &model::ScaleNumber::scaleQ;
    }
}

}  // namespace

ScaleTablePage::ScaleTablePage(ProfileDocument& document, const bases::SetBase& sets, app::Language language,
                               app::Translator& translator)
    : m_document(document), m_sets(sets), m_language(language), m_translator(translator) {}

std::array<std::string, kScaleColumns> ScaleTablePage::headers() const {
    return {m_translator.tr("№"),         m_translator.tr("Точность отображения"),
            m_translator.tr("Префикс"),   m_translator.tr("Единицы"),
            m_translator.tr("Формат IQ"), m_translator.tr("Предполагаемое значение"),
            m_translator.tr("Описание")};
}

bool ScaleTablePage::editable(int row) const {
    return row >= 0 && row < static_cast<int>(m_document.profile().scaleNumbers.size()) && row < kScaleRows;
}

std::array<std::string, kScaleColumns> ScaleTablePage::cells(int row) const {
    std::array<std::string, kScaleColumns> shown;
    shown[kScalePositionColumn] = model::numberToHexText(static_cast<std::uint32_t>(row), 2);
    if (!editable(row)) return shown;
    const model::ScaleNumber& scale = m_document.profile().scaleNumbers[static_cast<std::size_t>(row)];
    const ScaleListTexts texts = scaleListTexts(scale, unitLists(m_sets, m_language));
    shown[kPrecisionColumn] = texts.precision;
    shown[kPrefixColumn] = texts.prefix;
    shown[kUnitsColumn] = texts.unit;
    shown[kQFormatColumn] = texts.qFormat;
    shown[kAssumedValueColumn] = scale.possible_value;
    shown[kDescriptionColumn] = scale.name;
    return shown;
}

std::vector<std::string> ScaleTablePage::listItems(int column) const {
    switch (column) {
    case kPrecisionColumn:
        return {kDisplayPrecisions.begin(), kDisplayPrecisions.end()};
    case kPrefixColumn:
        return unitLists(m_sets, m_language).prefixes;
    case kUnitsColumn:
        return unitLists(m_sets, m_language).units;
    case kQFormatColumn:
        return {kScaleQFormats.begin(), kScaleQFormats.end()};
    default:
        return {};
    }
}

std::optional<int> ScaleTablePage::chosenItem(int row, int column) const {
    if (!editable(row) || !isListColumn(column)) return std::nullopt;
    const std::optional<int> position =
        app::toInteger(m_document.profile().scaleNumbers[static_cast<std::size_t>(row)].*listField(column));
    if (!position || *position < 0 || *position >= static_cast<int>(listItems(column).size())) return std::nullopt;
    return position;
}

void ScaleTablePage::choose(int row, int column, int position) {
    if (!isListColumn(column)) return;
    change(row, listField(column), std::to_string(position));
}

std::optional<char> ScaleTablePage::typedKey(int column, char key) {
    if (column == kDescriptionColumn) return key;
    if (column != kAssumedValueColumn) return std::nullopt;
    if (key == ',' || key == '.') return '.';
    if (std::isdigit(static_cast<unsigned char>(key)) || key == '\b' || key == '\r') return key;
    return std::nullopt;
}

void ScaleTablePage::type(int row, int column, std::string_view text) {
    if (column == kAssumedValueColumn) {
        std::string value(text);
        std::replace(value.begin(), value.end(), ',', '.');
        change(row, &model::ScaleNumber::possible_value, std::move(value));
    } else if (column == kDescriptionColumn) {
        change(row, &model::ScaleNumber::name, std::string(text));
    }
}

void ScaleTablePage::change(int row, std::string model::ScaleNumber::*field, std::string value) {
    if (!editable(row)) return;
    std::vector<model::ScaleNumber> after = m_document.profile().scaleNumbers;
    std::string& changed = after[static_cast<std::size_t>(row)].*field;
    if (changed == value) return;
    changed = std::move(value);
    const std::string position = model::numberToHexText(static_cast<std::uint32_t>(row), 2);
    CommandTexts texts{app::formatText(m_translator.tr("масштабирующий коэффициент %s"), {position}),
                       app::formatText("Scale coefficient %s changed", {position}), false};
    m_document.push(std::make_unique<ScaleTableCommand>(std::move(texts), std::move(after)));
}

}  // namespace tabrin::editing
