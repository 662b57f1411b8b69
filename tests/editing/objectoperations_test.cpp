// The object operations of the dictionary table on the fixture profile: the create proposal and
// the entered addresses, the first object of an empty view and the refusal when a filter hides
// every row, the copies, delete with its questions, renumbering, dragging, the path of an object,
// the context-menu rules and every log line.
#include <gtest/gtest.h>

#include <algorithm>

#include "editing/dictionarytable.h"
#include "editing/formatdescription.h"
#include "editing/unitlists.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using app::MessageAnswer;
using test::w;

using ObjectOperationsTest = EditingProfile;

TEST(EnteredAddresses, TrimmedAndCompleted) {
    struct Row {
        const char* name;
        const char* typed;
        const char* index;
        const char* subindex;
    };
    const Row rows[] = {
        {"digits only", "5", "5h", "05h"}, {"two digits", "1A", "1Ah", "1Ah"},
        {"nothing", "", "h", "0h"},        {"with h and spaces", " 2000h ", "2000h", "2000h"},
        {"capital H", "H7H", "7h", "07h"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(enteredIndex(row.typed), row.index);
        EXPECT_EQ(enteredSubindex(row.typed), row.subindex);
    }
}

TEST_F(ObjectOperationsTest, CreateProposesTheNextSubindexAndTakesTheTemplatesGroup) {
    const NewObjectProposal proposal = proposeNewObject(at("2000h.01h"));
    EXPECT_EQ(proposal.index, "2000h");
    EXPECT_EQ(proposal.subindex, "02h");
    const model::ObjectSerial created = m_operations.create(serial("2000h.01h"), proposal.index, proposal.subindex);
    EXPECT_EQ(at("2000h.02h", 1).serial, created) << "a second object at the address, after the first";
    EXPECT_EQ(at("2000h.02h", 1).group, "1");
    EXPECT_EQ(at("2000h.02h", 1).Type, "") << "every other field is reset";
    EXPECT_EQ(at("2000h.02h", 1).format, "") << "no format word before a format is chosen";
    EXPECT_EQ(describeFormat(at("2000h.02h", 1), {}, m_translator), w("не задан"));
    EXPECT_NE(log().find("New object added: 2000h.02h\r\n"), std::string::npos);
    EXPECT_EQ(m_document.undoText(), w("создание объекта 2000h.02h"));
}

TEST_F(ObjectOperationsTest, FirstObjectOfAnEmptyViewComesFromTheEmptyTemplate) {
    ASSERT_TRUE(m_document.load(std::filesystem::path(TEST_DATA_DIR) / "editing" / "empty_base.xml").ok());
    m_document.beginEditing();
    EXPECT_EQ(m_operations.createRefusal(0), std::nullopt);
    const NewObjectProposal proposal = proposeFirstObject();
    EXPECT_EQ(proposal.index, "2000h");
    EXPECT_EQ(proposal.subindex, "00h");
    const model::ObjectSerial created = m_operations.create(0, proposal.index, proposal.subindex);
    ASSERT_EQ(profile().view().size(), 1u);
    const model::DictObject& first = *profile().view().front();
    EXPECT_EQ(first.serial, created);
    EXPECT_EQ(first.address(), "2000h.00h");
    EXPECT_EQ(first.group, "");
    EXPECT_EQ(first.format, "");
    EXPECT_NE(log().find("New object added: 2000h.00h\r\n"), std::string::npos);
    m_document.undo();
    EXPECT_TRUE(profile().view().empty());
}

TEST_F(ObjectOperationsTest, CreatingWithEveryRowFilteredOutSaysWhy) {
    EXPECT_EQ(m_operations.createRefusal(3), std::nullopt);
    const std::optional<app::Message> refusal = m_operations.createRefusal(0);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->caption, w("Ошибка"));
    EXPECT_EQ(refusal->text, w("Фильтр скрывает все строки словаря, а новый элемент создаётся по образцу выделенной "
                               "строки. Выключите или измените фильтр (по группе и по диапазону)."));
    EXPECT_EQ(refusal->icon, app::MessageIcon::Warning);
}

TEST_F(ObjectOperationsTest, CopiesWithAndWithoutIncrements) {
    m_operations.copy(serial("20FFh.03h"), CopyKind::IndexIncrement);
    EXPECT_EQ(at("2100h.03h").name, "Last of 20FFh");
    EXPECT_NE(log().find("Object #6 [20FFh.03h] was copied with increment of index via context menu\r\n"),
              std::string::npos);

    const model::ObjectSerial last = m_operations.create(serial("2000h.04h"), "2000", "FF");
    m_operations.copy(last, CopyKind::SubindexIncrement);
    EXPECT_EQ(at("2000h.100h").configuration, 0);
    EXPECT_NE(log().find("was copied with increment of subindex via context menu\r\n"), std::string::npos);

    m_operations.copy(serial("1000h.00h"), CopyKind::Same);
    EXPECT_EQ(at("1000h.00h", 1).name, at("1000h.00h").name);
    EXPECT_NE(log().find("Object #0 [1000h.00h] copied via context menu\r\n"), std::string::npos);
}

TEST_F(ObjectOperationsTest, CopyOfABaseObjectInAConfigurationOverridesItThere) {
    m_document.setCurrent(1);
    const std::vector<model::DictObject> base = profile().configurations[0].objects;
    const std::size_t shown = profile().view().size();
    const model::ObjectSerial copy = m_operations.copy(serial("2000h.03h"), CopyKind::Same);
    EXPECT_EQ(at("2000h.03h").serial, copy);
    const std::vector<std::string> shownAddresses = viewAddresses();
    EXPECT_EQ(std::count(shownAddresses.begin(), shownAddresses.end(), "2000h.03h@1"), 1);
    EXPECT_EQ(std::count(shownAddresses.begin(), shownAddresses.end(), "2000h.03h@0"), 0);
    EXPECT_EQ(profile().configurations[0].objects, base);
    EXPECT_EQ(profile().view().size(), shown) << "the copy takes the base object's place";
}

TEST_F(ObjectOperationsTest, CopyWithSubindexesDuplicatesTheRootAndItsObjects) {
    m_operations.copyWithSubindexes(serial("3000h.00h"), "3500");
    EXPECT_EQ(at("3500h.00h").format, "3");
    EXPECT_EQ(at("3500h.03h").name, "Limit 3");
    EXPECT_NE(log().find("Root object #8 [3000h.00h] and it's subitems were copied to index 3500h via context menu"),
              std::string::npos);
    m_operations.copyWithSubindexes(serial("1000h.00h"), "1100");
    EXPECT_EQ(m_document.historySize(), 1u) << "only roots are copied with their subindexes";
    m_operations.copyWithSubindexes(serial("2000h.00h"), "");
    EXPECT_EQ(at("h.00h").Type, "Root") << "an empty field gives the index text \"h\"";
}

TEST_F(ObjectOperationsTest, DeletingARootAsksAboutItsSubindexes) {
    struct Row {
        const char* name;
        MessageAnswer answer;
        std::size_t removed;
        const char* logged;
    };
    const Row rows[] = {
        {"Yes", MessageAnswer::Yes, 4, "Root object #8 [3000h.00h] (and it's subindexes) deleted via context menu"},
        {"No", MessageAnswer::No, 1, "Root object #8 [3000h.00h] (without it's subindexes) deleted via context menu"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t before = profile().view().size();
        m_port = test::ScriptedMessagePort({row.answer});
        m_operations.remove({serial("3000h.00h")});
        EXPECT_EQ(before - profile().view().size(), row.removed);
        ASSERT_EQ(m_port.asked().size(), 1u);
        EXPECT_EQ(m_port.asked()[0].caption, w("Внимание"));
        EXPECT_EQ(m_port.asked()[0].text, w("Вы собираетесь удалить корневой элемент. Удалить все его подындексы?"));
        EXPECT_EQ(m_port.asked()[0].buttons, app::MessageButtons::YesNo);
        EXPECT_NE(log().find(row.logged), std::string::npos);
        m_document.undo();
    }
}

TEST_F(ObjectOperationsTest, DeletingSeveralObjectsAsksFirst) {
    const std::vector<model::ObjectSerial> five = {serial("2000h.00h"), serial("2000h.01h"), serial("2000h.02h"),
                                                   serial("2000h.03h"), serial("2000h.04h")};
    const ProfileState original(profile());
    m_port = test::ScriptedMessagePort({MessageAnswer::No});
    m_operations.remove(five);
    EXPECT_EQ(ProfileState(profile()), original);
    EXPECT_EQ(m_document.historySize(), 0u);
    EXPECT_EQ(m_port.asked().at(0).text, w("Выделено несколько объектов. Хотите удалить их все?"));

    m_port = test::ScriptedMessagePort({MessageAnswer::Yes});
    m_operations.remove(five);
    EXPECT_EQ(profile().view().size(), original.configurations[0].size() - 5);
    EXPECT_NE(log().find("5 object(s) deleted via context menu: from #1 [2000h.00h] to [2000h.04h]\r\n"),
              std::string::npos);
    EXPECT_EQ(m_document.undoText(), w("удаление 5 объектов"));

    m_operations.remove({serial("1000h.00h")});
    EXPECT_NE(log().find("Object #0 [1000h.00h] deleted via context menu\r\n"), std::string::npos);
    EXPECT_EQ(m_document.undoText(), w("удаление объекта 1000h.00h"));
}

TEST_F(ObjectOperationsTest, DeletingABaseObjectFromAConfigurationRemovesItFromTheBase) {
    m_document.setCurrent(2);
    const std::size_t base = profile().configurations[0].objects.size();
    m_operations.remove({serial("1000h.00h")});
    EXPECT_EQ(profile().configurations[0].objects.size(), base - 1);
}

TEST_F(ObjectOperationsTest, RenumberingGivesTheSubObjectsConsecutiveSubindexes) {
    m_operations.renumberSubindexes(serial("3100h.00h"));
    EXPECT_EQ(at("3100h.01h").name, "Gap 1");
    EXPECT_EQ(at("3100h.02h").name, "Gap 3");
    EXPECT_EQ(at("3100h.03h").name, "Gap 7");
    EXPECT_NE(log().find("Subitems of root object #12 [3100h.00h] were renumbered via context menu\r\n"),
              std::string::npos);
    m_operations.renumberSubindexes(serial("3100h.01h"));
    EXPECT_EQ(m_document.historySize(), 1u) << "objects other than roots are left alone";
}

TEST_F(ObjectOperationsTest, RenumberingSubindexesAlreadyInOrderChangesNothing) {
    const ProfileState original(profile());
    m_operations.renumberSubindexes(serial("2000h.00h"));
    EXPECT_EQ(ProfileState(profile()), original);
    EXPECT_EQ(m_document.historySize(), 0u);
    EXPECT_FALSE(m_document.isModified());
    EXPECT_EQ(log().find("were renumbered"), std::string::npos);
}

TEST_F(ObjectOperationsTest, DraggingMovesTheSubindexesBetweenTheRows) {
    struct Row {
        const char* name;
        const char* dragged;
        const char* target;
        std::vector<std::string> order;
        const char* logged;
    };
    const Row rows[] = {
        {"up",
         "2000h.04h",
         "2000h.02h",
         {"Motor 1", "Motor 4", "Motor 2", "Motor 3"},
         "Subindex of object #5 [2000h.04h] changed to 02h (by mouse dragging)"},
        {"down",
         "2000h.01h",
         "2000h.03h",
         {"Motor 2", "Motor 3", "Motor 1", "Motor 4"},
         "Subindex of object #2 [2000h.01h] changed to 03h (by mouse dragging)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_operations.drag(serial(row.dragged), serial(row.target));
        const std::vector<std::string> order = {at("2000h.01h").name, at("2000h.02h").name, at("2000h.03h").name,
                                                at("2000h.04h").name};
        EXPECT_EQ(order, row.order);
        EXPECT_NE(log().find(row.logged), std::string::npos);
        m_document.undo();
    }
    m_operations.drag(serial("2000h.04h"), serial("3000h.01h"));
    EXPECT_FALSE(m_document.canUndo()) << "objects of different indexes stay";
}

TEST_F(ObjectOperationsTest, DraggingIsRefusedWhileAFilterIsOn) {
    DictionaryFilters filters;
    EXPECT_FALSE(m_operations.dragRefusal(filters));
    filters.groupOn = true;
    const std::optional<app::Message> refusal = m_operations.dragRefusal(filters);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->caption, w("Ошибка"));
    EXPECT_EQ(refusal->text, w("\"Перетаскивание\" подындексов возможно только при выключенных фильтрах (по группе "
                               "и по диапазону)."));
    filters.groupOn = false;
    filters.rangeOn = true;
    EXPECT_TRUE(m_operations.dragRefusal(filters));
}

TEST_F(ObjectOperationsTest, ObjectPathNamesGroupNameAndAddress) {
    EXPECT_EQ(m_operations.objectPath(serial("2000h.01h")), "'' --> 'Motor 1 [2000.01]'");
    ObjectOperations english(m_document, m_port, m_translator, app::Language::English);
    EXPECT_EQ(english.objectPath(serial("1000h.00h")), "'' --> '" + at("1000h.00h").nameEng + " [1000.00]'");
    EXPECT_EQ(m_document.historySize(), 0u);
}

TEST(ContextMenu, ItemsByRowEditorAndRoot) {
    struct Row {
        const char* name;
        bool dataRow;
        bool editor;
        bool root;
        int configurations;
        ContextMenuItems items;
    };
    const Row rows[] = {
        {"header or no row", false, false, true, 3, {false, false, false, false}},
        {"cell editor open", true, true, true, 3, {false, true, false, false}},
        {"root of a profile with configurations", true, false, true, 3, {true, false, true, true}},
        {"plain object of a profile without", true, false, false, 1, {true, false, false, false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ContextMenuItems items = contextMenuItems(row.dataRow, row.editor, row.root, row.configurations);
        EXPECT_EQ(items.objectItems, row.items.objectItems);
        EXPECT_EQ(items.textItems, row.items.textItems);
        EXPECT_EQ(items.rootItemsEnabled, row.items.rootItemsEnabled);
        EXPECT_EQ(items.configurationMenus, row.items.configurationMenus);
    }
}

}  // namespace
}  // namespace tabrin::editing
