// Which editor a double click opens on each column, the refusals in their order, the keys of the
// cell editor and the base-profile warning.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "editing/dictionarytable.h"
#include "editing/fieldeditors.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

DictionaryRow row(const char* index, const char* subindex, bool root = false) {
    DictionaryRow shown{};
    shown.cells[kIndexColumn] = index;
    shown.cells[kSubindexColumn] = subindex;
    shown.root = root;
    return shown;
}

constexpr const char* kScaleRefusal =
    "Единицы измерения, префикс, Q-формат и число знаков после запятой для масштабирующих коэффициентов задается "
    "во вкладке \"Масштабирующие коэффициенты\". Данные о м.к. из индексов 2100h-211Fh.03h-06h не будут "
    "использованы в процессе генерации словаря для контроллера.";
constexpr const char* kRootRefusal =
    "Для корневых элементов нельзя вводить подындекс, адрес, значение по умолчанию, максимум и минимум.";
constexpr const char* kCallbackRefusal = "Сallback можно вводить только для единичных и корневых элементов (подынд. 00h).";

TEST(DoubleClick, EachColumnOpensItsEditor) {
    app::Translator translator;
    const FieldEditor expected[kDictionaryColumns] = {
        FieldEditor::None,         FieldEditor::CellEditor,   FieldEditor::CellEditor, FieldEditor::TextPicker,
        FieldEditor::TextPicker,   FieldEditor::TextPicker,   FieldEditor::FormatEditor, FieldEditor::CellEditor,
        FieldEditor::None,         FieldEditor::CellEditor,   FieldEditor::CellEditor, FieldEditor::CellEditor,
        FieldEditor::DescriptionEditor, FieldEditor::CellEditor};
    for (int column = 0; column < kDictionaryColumns; ++column) {
        SCOPED_TRACE(column);
        const EditorOpening opening = editorForDoubleClick(row("2000h", "00h"), column, translator);
        EXPECT_EQ(opening.editor, expected[column]);
        EXPECT_FALSE(opening.refusal);
    }
}

TEST(DoubleClick, RefusalsInTheirOrder) {
    app::Translator translator;
    struct Row {
        const char* name;
        DictionaryRow shown;
        int column;
        const char* refusal;  // nullptr: the editor opens
    };
    const Row rows[] = {
        {"scale coefficient field", row("2105h", "04h"), kDefaultColumn, kScaleRefusal},
        {"scale coefficient root field first", row("2100h", "03h", true), kDefaultColumn, kScaleRefusal},
        {"scale coefficient packed word", row("2105h", "02h"), kDefaultColumn, nullptr},
        {"scale coefficient minimum", row("211Fh", "06h"), kMinimumColumn, nullptr},
        {"beyond the scale objects", row("2120h", "04h"), kDefaultColumn, nullptr},
        {"root subindex", row("2000h", "00h", true), kSubindexColumn, kRootRefusal},
        {"root address", row("2000h", "00h", true), kAddressColumn, kRootRefusal},
        {"root maximum", row("2000h", "00h", true), kMaximumColumn, kRootRefusal},
        {"root index", row("2000h", "00h", true), kIndexColumn, nullptr},
        {"root callback", row("2000h", "00h", true), kCallbackColumn, nullptr},
        {"callback of a sub-object", row("2000h", "01h"), kCallbackColumn, kCallbackRefusal},
    };
    for (const Row& testRow : rows) {
        SCOPED_TRACE(testRow.name);
        const EditorOpening opening = editorForDoubleClick(testRow.shown, testRow.column, translator);
        if (testRow.refusal == nullptr) {
            EXPECT_EQ(opening.editor, FieldEditor::CellEditor);
            EXPECT_FALSE(opening.refusal);
            continue;
        }
        EXPECT_EQ(opening.editor, FieldEditor::None);
        ASSERT_TRUE(opening.refusal);
        EXPECT_EQ(opening.refusal->caption, w("Ошибка"));
        EXPECT_EQ(opening.refusal->text, w(testRow.refusal));
        EXPECT_EQ(opening.refusal->icon, app::MessageIcon::Warning);
    }
}

TEST(CellEditorKeys, HexOnlyForTheAddressColumns) {
    const struct {
        int column;
        char key;
        std::optional<char> typed;
    } rows[] = {
        {kIndexColumn, 'a', 'A'},      {kIndexColumn, '7', '7'},       {kSubindexColumn, 'F', 'F'},
        {kSubindexColumn, '\b', '\b'}, {kSubindexColumn, 'g', std::nullopt}, {kIndexColumn, ' ', std::nullopt},
        {kAddressColumn, 'g', 'g'},    {kDefaultColumn, ',', ','},     {kCallbackColumn, '_', '_'},
        {kMaximumColumn, 'x', 'x'},    {kFormatColumn, '1', std::nullopt}, {kCommentColumn, 'a', std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.column) + " " + row.key);
        EXPECT_EQ(typedCellKey(row.column, row.key), row.typed);
    }
}

using BaseObjectWarningTest = EditingProfile;

TEST_F(BaseObjectWarningTest, OnlyForBaseObjectsWhileAConfigurationIsCurrent) {
    const model::DictObject& baseObject = at("1000h.00h");
    EXPECT_EQ(baseObjectWarning(profile(), baseObject, m_translator), "");
    m_document.setCurrent(2);
    EXPECT_EQ(baseObjectWarning(profile(), at("1000h.00h"), m_translator),
              w("Внимание! Вы редактируете объект из базового профиля!"));
    const model::DictObject* own = nullptr;
    for (const model::DictObject* object : profile().view())
        if (object->configuration == 2) own = object;
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(baseObjectWarning(profile(), *own, m_translator), "");
}

}  // namespace
}  // namespace tabrin::editing
