// The field editors of the dictionary table on the fixture profile: the value each typed text
// stores, the root-index question, the comma warnings, the group, description, text and format
// changes, their log lines and undo texts, and undo/redo of each.
#include <gtest/gtest.h>

#include "bases/textbaseelement.h"
#include "editing/dictionarytable.h"
#include "editing/objectfieldedits.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using app::MessageAnswer;
using test::w;

model::DictObject formatted(const char* type, int qValue, int scale, const char* floatType = "") {
    model::DictObject object;
    object.Type = type;
    object.QValue = qValue;
    object.ScaleNum = scale;
    object.FloatType = floatType;
    return object;
}

std::vector<model::ScaleNumber> scaleTable(std::initializer_list<const char*> values) {
    std::vector<model::ScaleNumber> table;
    for (const char* value : values) {
        table.emplace_back();
        table.back().possible_value = value;
    }
    return table;
}

TEST(StoredValueText, IsTheInverseOfTheDisplayMode) {
    const auto scales = scaleTable({"1", "10", "not a number", "4", "0"});
    struct Row {
        const char* name;
        model::DictObject object;
        ValueDisplayMode mode;
        const char* typed;
        const char* stored;
    };
    const Row rows[] = {
        {"Q12 absolute, scale 10", formatted("IQ", 12, 1), ValueDisplayMode::Absolute, "5", "2048"},
        {"Q12 relative, comma", formatted("IQ", 12, 1), ValueDisplayMode::Relative, "0,5", "2048"},
        {"Q as stored truncates", formatted("IQ", 12, 1), ValueDisplayMode::AsStored, "12.9", "12"},
        {"Q truncates toward zero", formatted("IQ", 12, 1), ValueDisplayMode::AsStored, "-12.9", "-12"},
        {"Q scale not a number counts 1", formatted("IQ", 12, 2), ValueDisplayMode::Absolute, "5", "20480"},
        {"Q scale missing counts 1", formatted("IQ", 0, 31), ValueDisplayMode::Absolute, "7", "7"},
        {"Q scale 0 keeps the text", formatted("IQ", 12, 4), ValueDisplayMode::Absolute, "5", "5"},
        {"Q text no number", formatted("IQ", 12, 1), ValueDisplayMode::Absolute, "abc", "abc"},
        {"relative float absolute", formatted("Float", 0, 3, "Relative"), ValueDisplayMode::Absolute, "2", "0.5"},
        {"relative float relative", formatted("Float", 0, 3, "Relative"), ValueDisplayMode::Relative, "2", "2"},
        {"relative float as stored", formatted("Float", 0, 3, "Relative"), ValueDisplayMode::AsStored, "2,25", "2.25"},
        {"absolute float as typed", formatted("Float", 0, 3, "Absolute"), ValueDisplayMode::Absolute, "2,5", "2.5"},
        {"standard number, first comma only", formatted("StandartNum", 0, 0), ValueDisplayMode::Absolute, "1,2,3",
         "1.2,3"},
        {"bit field as typed", formatted("Bit", 0, 0), ValueDisplayMode::Relative, "0x0F", "0x0F"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(storedValueText(row.object, row.typed, row.mode, scales), row.stored);
    }
}

TEST(EditedSubindex, TakesUpToTwoDigits) {
    const struct {
        const char* typed;
        std::optional<std::string> subindex;
    } rows[] = {
        {"1A", "1Ah"}, {"1a", "1Ah"}, {"5", "05h"}, {"7", "07h"}, {"", "0h"},
        {"01h", "01h"}, {"2hh", "02h"}, {"123", std::nullopt}, {"FFFF", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(editedSubindex(row.typed), row.subindex);
    }
}

TEST(Description, EveryStoredLineEndsWithCrLf) {
    const struct {
        const char* shown;
        const char* stored;
    } rows[] = {
        {"", ""},
        {"one", "one\r\n"},
        {"one\ntwo", "one\r\ntwo\r\n"},
        {"one\n\nthree", "one\r\n\r\nthree\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        EXPECT_EQ(storedDescription(row.shown), row.stored);
        EXPECT_EQ(shownDescription(row.stored), row.shown);
    }
    EXPECT_EQ(storedDescription("one\n"), "one\r\n");
}

class ObjectFieldEditsTest : public EditingProfile {
protected:
    ObjectFieldEdits m_edits{m_document, m_port, m_translator};
};

TEST_F(ObjectFieldEditsTest, EachCellStoresItsValueAndUndoesAsOneCommand) {
    struct Row {
        const char* name;
        const char* address;
        int column;
        const char* typed;
        const char* changedAddress;  // the object's address afterwards
        std::string model::DictObject::*field;
        const char* stored;
        const char* undoText;
        const char* logged;
    };
    const Row rows[] = {
        {"index", "1000h.00h", kIndexColumn, " 1001H ", "1001h.00h", &model::DictObject::index, "1001h",
         "индекс 1000h.00h", "Address of object #0 [1000h.00h] changed to 1001h.00h"},
        {"subindex", "2000h.04h", kSubindexColumn, "9", "2000h.09h", &model::DictObject::subindex, "09h",
         "подындекс 2000h.04h", "Address of object #5 [2000h.04h] changed to 2000h.09h"},
        {"address", "2000h.01h", kAddressColumn, "p->speed", "2000h.01h", &model::DictObject::addr, "p->speed",
         "адрес переменной 2000h.01h", "Address of variable for object #2 [2000h.01h] changed to 'p->speed'"},
        {"default", "2000h.01h", kDefaultColumn, "2,5", "2000h.01h", &model::DictObject::defaultValue, "2.5",
         "значение по умолчанию 2000h.01h", "Default value of object #2 [2000h.01h] changed to '2.5'"},
        {"minimum", "2000h.01h", kMinimumColumn, "-1", "2000h.01h", &model::DictObject::min, "-1",
         "минимум 2000h.01h", "Minimum value of object #2 [2000h.01h] changed to '-1'"},
        {"maximum", "2000h.01h", kMaximumColumn, "100", "2000h.01h", &model::DictObject::max, "100",
         "максимум 2000h.01h", "Maximum value of object #2 [2000h.01h] changed to '100'"},
        {"callback", "1000h.00h", kCallbackColumn, "on_type", "1000h.00h", &model::DictObject::callback, "on_type",
         "callback 1000h.00h", "Callback function of object #0 [1000h.00h] changed to 'on_type'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ProfileState before(profile());
        const model::ObjectSerial edited = serial(row.address);
        m_edits.applyCell(edited, row.column, row.typed, ValueDisplayMode::Absolute);
        EXPECT_EQ(at(row.changedAddress).*row.field, row.stored);
        EXPECT_EQ(at(row.changedAddress).serial, edited);
        EXPECT_EQ(m_document.undoText(), w(row.undoText));
        EXPECT_NE(log().find(row.logged), std::string::npos) << log();
        EXPECT_TRUE(m_document.isModified());
        const ProfileState after(profile());
        m_document.undo();
        EXPECT_TRUE(ProfileState(profile()) == before);
        m_document.redo();
        EXPECT_TRUE(ProfileState(profile()) == after);
        m_document.undo();
    }
    EXPECT_TRUE(m_port.asked().empty());
}

TEST_F(ObjectFieldEditsTest, AnUnchangedOrRefusedTextIsNoCommand) {
    m_edits.applyCell(serial("2000h.01h"), kSubindexColumn, "123", ValueDisplayMode::AsStored);
    m_edits.applyCell(serial("2000h.01h"), kSubindexColumn, "1", ValueDisplayMode::AsStored);
    m_edits.applyCell(serial("2000h.01h"), kIndexColumn, "2000", ValueDisplayMode::AsStored);
    m_edits.applyCell(serial("2000h.01h"), kDefaultColumn, "1", ValueDisplayMode::AsStored);
    m_edits.applyCell(serial("2000h.01h"), kFormatColumn, "1", ValueDisplayMode::AsStored);
    EXPECT_EQ(m_document.historySize(), 0u);
    EXPECT_FALSE(m_document.isModified());
}

TEST_F(ObjectFieldEditsTest, ARootsNewIndexMovesItsSubObjectsWhenAsked) {
    struct Row {
        const char* name;
        MessageAnswer answer;
        std::vector<std::string> addresses;  // the view from 3000h on
        const char* logged;
    };
    const Row rows[] = {
        {"Yes",
         MessageAnswer::Yes,
         {"3100h.00h@0", "3100h.00h@0", "3100h.01h@0", "3100h.01h@0", "3100h.02h@0", "3100h.03h@0", "3100h.03h@0",
          "3100h.07h@0"},
         "Address of object #8 [3000h.00h] changed to 3100h.00h. The index of it's subindexes was also changed"},
        {"No",
         MessageAnswer::No,
         {"3000h.01h@0", "3000h.02h@0", "3000h.03h@0", "3100h.00h@0", "3100h.00h@0", "3100h.01h@0", "3100h.03h@0",
          "3100h.07h@0"},
         "Address of object #8 [3000h.00h] changed to 3100h.00h"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_port = test::ScriptedMessagePort({row.answer});
        const std::size_t logged = log().size();
        m_edits.applyCell(serial("3000h.00h"), kIndexColumn, "3100", ValueDisplayMode::AsStored);
        ASSERT_EQ(m_port.asked().size(), 1u);
        EXPECT_EQ(m_port.asked()[0].caption, w("Внимание"));
        EXPECT_EQ(m_port.asked()[0].text,
                  w("Вы изменили индекс корневого элемента. Хотите сменить индекс для всех его подэлементов?"));
        const std::vector<std::string> view = viewAddresses();
        EXPECT_EQ(std::vector<std::string>(view.begin() + 8, view.begin() + 16), row.addresses);
        const std::string line = log().substr(logged);
        EXPECT_NE(line.find(row.logged), std::string::npos) << line;
        EXPECT_EQ(line.find("also changed") != std::string::npos, row.answer == MessageAnswer::Yes);
        m_document.undo();
    }
}

TEST_F(ObjectFieldEditsTest, ACommaLeftInAValueIsStoredWithAWarning) {
    struct Row {
        int column;
        std::string model::DictObject::*field;
        const char* warning;
    };
    const Row rows[] = {
        {kDefaultColumn, &model::DictObject::defaultValue,
         "В значении по умолчанию элемента 2000h.02h присутствует запятая.\nПроверьте правильность значения по "
         "умолчанию."},
        {kMinimumColumn, &model::DictObject::min,
         "В значении минимума элемента 2000h.02h присутствует запятая.\nПроверьте правильность минимального "
         "значения."},
        {kMaximumColumn, &model::DictObject::max,
         "В значении максимума элемента 2000h.02h присутствует запятая.\nПроверьте правильность максимального "
         "значения."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.column);
        m_port = test::ScriptedMessagePort();
        m_edits.applyCell(serial("2000h.02h"), row.column, "1,2,3", ValueDisplayMode::AsStored);
        EXPECT_EQ(at("2000h.02h").*row.field, "1.2,3");
        ASSERT_EQ(m_port.asked().size(), 1u);
        EXPECT_EQ(m_port.asked()[0].text, w(row.warning));
    }
}

TEST_F(ObjectFieldEditsTest, AGroupGoesToTheRootAndItsSubObjects) {
    const std::string otherGroup = at("3100h.00h").group;
    m_edits.chooseGroup(serial("3000h.00h"), 5, "Motor");
    for (const char* address : {"3000h.00h", "3000h.01h", "3000h.02h", "3000h.03h"}) {
        SCOPED_TRACE(address);
        EXPECT_EQ(at(address).group, "5");
        EXPECT_EQ(at(address).groupName, "Motor");
    }
    EXPECT_EQ(at("3100h.00h").group, otherGroup);
    EXPECT_EQ(m_document.undoText(), w("группа 3000h.00h"));
    EXPECT_NE(log().find("Group of object #8 [3000h.00h] changed to 'Motor'"), std::string::npos);
    m_document.undo();
    EXPECT_EQ(at("3000h.01h").group, "2");
}

TEST_F(ObjectFieldEditsTest, DescriptionTextAndFormatAreOneCommandEach) {
    const ProfileState before(profile());
    m_edits.setDescription(serial("2000h.01h"), "first\nsecond");
    EXPECT_EQ(at("2000h.01h").description, "first\r\nsecond\r\n");
    EXPECT_EQ(m_document.undoText(), w("описание 2000h.01h"));
    EXPECT_NE(log().find("Description of object #2 [2000h.01h] changed to 'first\r\nsecond\r\n'"), std::string::npos);

    const bases::TextBaseElement& text = m_texts.elements().back();
    m_edits.chooseText(serial("2000h.02h"), text);
    EXPECT_EQ(at("2000h.02h").textID, text.textid);
    EXPECT_EQ(at("2000h.02h").name, text.trus);
    EXPECT_EQ(at("2000h.02h").text, text.text);
    EXPECT_EQ(m_document.undoText(), w("текст 2000h.02h"));
    EXPECT_NE(log().find("Text of object #3 [2000h.02h] changed to '" +
                         (text.trus.empty() ? text.teng : text.trus) + "' (" + text.textid + ")"),
              std::string::npos);

    model::DictObject reformatted = at("2000h.03h");
    reformatted.Size = "32";
    reformatted.format = std::to_string(model::formatWord(reformatted));
    m_edits.setFormat(serial("2000h.03h"), reformatted, "Format of object #4 [2000h.03h] changed to:");
    EXPECT_EQ(at("2000h.03h").Size, "32");
    EXPECT_EQ(m_document.undoText(), w("формат 2000h.03h"));

    m_document.undo();
    m_document.undo();
    m_document.undo();
    EXPECT_TRUE(ProfileState(profile()) == before);
}

}  // namespace
}  // namespace tabrin::editing
