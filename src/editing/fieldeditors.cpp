// Which editor a double click on a cell of the dictionary table opens and what refuses it, which
// keys a cell editor takes, and when an editor warns that its object belongs to the base profile.
#include "editing/fieldeditors.h"

#include <cctype>

#include "app/translator.h"
#include "editing/dictionarytable.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kScaleObjectRefusal =
    "Единицы измерения, префикс, Q-формат и число знаков после запятой для масштабирующих коэффициентов "
    "задается во вкладке \"Масштабирующие коэффициенты\". Данные о м.к. из индексов 2100h-211Fh.03h-06h не "
    "будут использованы в процессе генерации словаря для контроллера.";
constexpr std::string_view kRootRefusal =
    "Для корневых элементов нельзя вводить подындекс, адрес, значение по умолчанию, максимум и минимум.";
// The message begins with a Cyrillic "С".
constexpr std::string_view kCallbackRefusal =
    "Сallback можно вводить только для единичных и корневых элементов (подынд. 00h).";
constexpr std::string_view kBaseObjectWarning = "Внимание! Вы редактируете объект из базового профиля!";

constexpr std::uint32_t kScaleObjectsLast = 0x211F;

// The subindexes 03h to 06h of the scale-coefficient objects come from the scale page.
bool isScaleCoefficientField(const DictionaryRow& row) {
    const std::uint32_t index = model::hexTextToNumber(row.cells[kIndexColumn]);
    const std::uint32_t subindex = model::hexTextToNumber(row.cells[kSubindexColumn]);
    return index >= model::kScaleObjectsIndex && index <= kScaleObjectsLast && subindex >= 3 && subindex <= 6;
}

bool takesNoRootValue(int column) {
    return column == kSubindexColumn || column == kAddressColumn || column == kDefaultColumn ||
           column == kMinimumColumn || column == kMaximumColumn;
}

EditorOpening refused(std::string_view text, app::Translator& translator) {
    return {FieldEditor::None, app::Message{translator.tr("Ошибка"), translator.tr(text), app::MessageButtons::Ok,
                                            app::MessageIcon::Warning}};
}

}  // namespace

EditorOpening editorForDoubleClick(const DictionaryRow& row, int column, app::Translator& translator) {
    if (column == kDefaultColumn && isScaleCoefficientField(row)) return refused(kScaleObjectRefusal, translator);
    if (takesNoRootValue(column) && row.root) return refused(kRootRefusal, translator);
    if (column == kCallbackColumn && row.cells[kSubindexColumn] != "00h") return refused(kCallbackRefusal, translator);
    switch (column) {
    case kIndexColumn:
    case kSubindexColumn:
    case kAddressColumn:
    case kDefaultColumn:
    case kMinimumColumn:
    case kMaximumColumn:
    case kCallbackColumn: return {FieldEditor::CellEditor, std::nullopt};
    case kRussianNameColumn:
    case kEnglishNameColumn:
    case kShortTextColumn: return {FieldEditor::TextPicker, std::nullopt};
    case kFormatColumn: return {FieldEditor::FormatEditor, std::nullopt};
    case kCommentColumn: return {FieldEditor::DescriptionEditor, std::nullopt};
    default: return {};
    }
}

std::optional<char> typedCellKey(int column, char key) {
    switch (column) {
    case kIndexColumn:
    case kSubindexColumn:
        if (std::isxdigit(static_cast<unsigned char>(key)) || key == '\b')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
        return std::nullopt;
    case kAddressColumn:
    case kDefaultColumn:
    case kMinimumColumn:
    case kMaximumColumn:
    case kCallbackColumn: return key;
    default: return std::nullopt;
    }
}

std::string baseObjectWarning(const model::Profile& profile, const model::DictObject& object,
                              app::Translator& translator) {
    if (profile.CurrSubProfile == 0 || object.configuration != 0) return {};
    return translator.tr(kBaseObjectWarning);
}

}  // namespace tabrin::editing
