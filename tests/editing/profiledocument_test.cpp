// The profile document: every command done, undone and redone on a profile with a base and two
// configurations; the modified state against the saved one; merged typing; what the listeners
// and the log are told.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "editing/objectscommand.h"
#include "editing/settingscommands.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using app::MessageAnswer;
using test::w;

using ProfileDocumentTest = EditingProfile;

// The rows of the table make their commands through this face of the fixture.
class CommandTable : public ProfileDocumentTest {
public:
    ObjectOperations& operations() { return m_operations; }
    ProfileDocument& document() { return m_document; }
    app::Translator& translator() { return m_translator; }
    model::ObjectSerial serialAt(const std::string& address, int occurrence = 0) const {
        return serial(address, occurrence);
    }
};

TEST_F(CommandTable, EveryCommandUndoesToTheOriginalAndRedoesToTheAppliedState) {
    using Make = std::function<void(CommandTable&)>;
    struct Row {
        const char* name;
        int configuration;
        std::deque<MessageAnswer> answers;
        Make make;
    };
    const Row rows[] = {
        {"create after 2000h.01h",
         0,
         {},
         [](CommandTable& t) { t.operations().create(t.serialAt("2000h.01h"), "2000h", "05"); }},
        {"copy in the base profile",
         0,
         {},
         [](CommandTable& t) { t.operations().copy(t.serialAt("1000h.00h"), CopyKind::Same); }},
        {"copy of a base object in a configuration",
         1,
         {},
         [](CommandTable& t) { t.operations().copy(t.serialAt("2000h.03h"), CopyKind::Same); }},
        {"copy with index increment",
         0,
         {},
         [](CommandTable& t) { t.operations().copy(t.serialAt("20FFh.03h"), CopyKind::IndexIncrement); }},
        {"copy with subindex increment",
         2,
         {},
         [](CommandTable& t) { t.operations().copy(t.serialAt("2000h.04h"), CopyKind::SubindexIncrement); }},
        {"copy with subindexes",
         0,
         {},
         [](CommandTable& t) { t.operations().copyWithSubindexes(t.serialAt("3000h.00h"), "3500"); }},
        {"delete an object of a configuration",
         1,
         {},
         [](CommandTable& t) { t.operations().remove({t.serialAt("2000h.02h")}); }},
        {"delete a base object from a configuration",
         1,
         {},
         [](CommandTable& t) { t.operations().remove({t.serialAt("1000h.00h")}); }},
        {"delete a root with its subindexes",
         0,
         {MessageAnswer::Yes},
         [](CommandTable& t) { t.operations().remove({t.serialAt("3000h.00h")}); }},
        {"delete a root alone",
         0,
         {MessageAnswer::No},
         [](CommandTable& t) { t.operations().remove({t.serialAt("2000h.00h")}); }},
        {"delete several",
         0,
         {MessageAnswer::Yes},
         [](CommandTable& t) {
             t.operations().remove({t.serialAt("2000h.01h"), t.serialAt("2000h.02h"), t.serialAt("2000h.03h")});
         }},
        {"delete the second of two twins",
         0,
         {},
         [](CommandTable& t) { t.operations().remove({t.serialAt("4000h.00h", 1)}); }},
        {"renumber subindexes",
         0,
         {},
         [](CommandTable& t) { t.operations().renumberSubindexes(t.serialAt("3100h.00h")); }},
        {"drag down",
         0,
         {},
         [](CommandTable& t) { t.operations().drag(t.serialAt("2000h.01h"), t.serialAt("2000h.03h")); }},
        {"drag across the base and a configuration",
         1,
         {},
         [](CommandTable& t) { t.operations().drag(t.serialAt("2000h.04h"), t.serialAt("2000h.02h")); }},
        {"a settings field",
         0,
         {},
         [](CommandTable& t) {
             t.document().push(settingsFieldChange(
                 t.document().profile(), [](model::ProfileSettings& settings) { settings.BigYA = true; },
                 t.translator()));
         }},
        {"the group enumeration",
         0,
         {},
         [](CommandTable& t) {
             t.document().push(groupSetChoice(t.document().profile(), w("5: Нет/Да"), t.translator()));
         }},
        {"the CAN module",
         0,
         {},
         [](CommandTable& t) {
             t.document().push(canModuleChoice(t.document().profile(), 2, w("2-ой модуль CANopen"), t.translator()));
         }},
        {"the EDS header",
         0,
         {},
         [](CommandTable& t) {
             t.document().push(edsHeaderChange(t.document().profile(), "New header", 1, t.translator()));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(m_document.load(fixture()).ok());
        m_document.beginEditing();
        m_document.setCurrent(row.configuration);
        m_port = test::ScriptedMessagePort(row.answers);
        const ProfileState original(profile());

        row.make(*this);
        ASSERT_EQ(m_document.historySize(), 1u);
        const ProfileState applied(profile());
        EXPECT_NE(applied, original);
        const std::size_t asked = m_port.asked().size();

        m_document.undo();
        EXPECT_EQ(ProfileState(profile()), original);
        m_document.redo();
        EXPECT_EQ(ProfileState(profile()), applied);
        m_document.undo();
        EXPECT_EQ(ProfileState(profile()), original);
        EXPECT_EQ(m_port.asked().size(), asked) << "questions are asked when the command is made only";
    }
}

TEST_F(ProfileDocumentTest, ModifiedFollowsTheSavedState) {
    const auto change = [&] { m_operations.copy(serial("1000h.00h"), CopyKind::Same); };
    EXPECT_FALSE(m_document.isModified());
    change();
    EXPECT_TRUE(m_document.isModified());
    m_document.undo();
    EXPECT_FALSE(m_document.isModified());
    m_document.redo();
    ASSERT_TRUE(m_document.save(m_folder.path() / "saved.xml", m_sets).ok());
    EXPECT_FALSE(m_document.isModified());
    m_document.undo();
    EXPECT_TRUE(m_document.isModified()) << "undo across a save";
    m_document.redo();
    EXPECT_FALSE(m_document.isModified());

    // Undone past the saved state and then changed otherwise: the saved state cannot come back.
    m_document.undo();
    change();
    EXPECT_EQ(m_document.historySize(), 1u);
    EXPECT_TRUE(m_document.isModified());
    m_document.undo();
    EXPECT_TRUE(m_document.isModified());

    // A change outside the history counts until the next save, whatever undo does.
    ASSERT_TRUE(m_document.save(m_folder.path() / "saved.xml", m_sets).ok());
    m_document.setCurrent(1);
    EXPECT_TRUE(m_document.isModified());
    EXPECT_FALSE(m_document.canUndo());
    ASSERT_TRUE(m_document.load(fixture()).ok());
    EXPECT_FALSE(m_document.isModified());
    EXPECT_EQ(m_document.historySize(), 0u) << "opening forgets the history";
}

TEST_F(ProfileDocumentTest, TypingMergesWithinOneSessionButNotIntoTheSavedState) {
    const auto type = [&](const char* text, int session) {
        m_document.push(edsHeaderChange(profile(), text, session, m_translator));
    };
    type("E", 1);
    type("ED", 1);
    type("EDS", 1);
    EXPECT_EQ(m_document.historySize(), 1u);
    EXPECT_EQ(m_document.undoText(), w("изменение шапки EDS-файла"));
    type("EDS!", 2);
    EXPECT_EQ(m_document.historySize(), 2u);
    m_document.undo();
    EXPECT_EQ(profile().header_text, "EDS");
    m_document.undo();
    EXPECT_EQ(profile().header_text, "Editing test drive");

    m_document.redo();
    ASSERT_TRUE(m_document.save(m_folder.path() / "saved.xml", m_sets).ok());
    type("EDS?", 1);
    EXPECT_EQ(m_document.historySize(), 2u) << "a new command after the saved state";
    m_document.undo();
    EXPECT_FALSE(m_document.isModified());
}

TEST_F(ProfileDocumentTest, ListenersAreToldWhatChangedAndUndoNamesTheObjectsToSelect) {
    std::vector<DocumentChange> told;
    Subscription subscription = m_document.listen([&](const DocumentChange& change) { told.push_back(change); });
    const model::ObjectSerial first = serial("2000h.01h");
    const model::ObjectSerial second = serial("2000h.02h");
    m_port = test::ScriptedMessagePort({MessageAnswer::Yes});
    m_operations.remove({first, second});
    m_document.undo();
    m_document.redo();
    m_document.push(edsHeaderChange(profile(), "x", 1, m_translator));
    ASSERT_EQ(told.size(), 4u);
    EXPECT_EQ(told[0].kinds, ChangeKind::Objects);
    EXPECT_EQ(told[0].cause, ChangeCause::Done);
    EXPECT_EQ(told[1].cause, ChangeCause::Undone);
    EXPECT_EQ(told[1].objects, (std::vector<model::ObjectSerial>{first, second}));
    EXPECT_EQ(told[2].cause, ChangeCause::Redone);
    EXPECT_EQ(told[3].kinds, ChangeKind::EdsHeader);

    subscription = Subscription();
    m_document.undo();
    EXPECT_EQ(told.size(), 4u) << "a cancelled subscription hears nothing";
}

TEST_F(ProfileDocumentTest, UndoAndRedoAreLoggedWithTheOperationsLine) {
    m_operations.copy(serial("1000h.00h"), CopyKind::Same);
    m_document.undo();
    m_document.redo();
    const std::string written = log();
    const std::string line = "Object #0 [1000h.00h] copied via context menu";
    EXPECT_NE(written.find(": " + line + "\r\n"), std::string::npos);
    EXPECT_NE(written.find(": Undo: " + line + "\r\n"), std::string::npos);
    EXPECT_NE(written.find(": Redo: " + line + "\r\n"), std::string::npos);
}

TEST_F(ProfileDocumentTest, RootCountsAndGroupsFollowEveryChange) {
    EXPECT_EQ(at("2000h.00h").format, "4");
    const model::ObjectSerial created = m_operations.create(serial("2000h.04h"), "2000h", "05");
    EXPECT_EQ(at("2000h.00h").format, "5");
    EXPECT_EQ(at("2000h.05h").serial, created);
    EXPECT_EQ(at("2000h.05h").group, "1");
    EXPECT_EQ(at("1000h.00h").name, w("Тип устройства")) << "texts come from the text base";
    m_document.undo();
    EXPECT_EQ(at("2000h.00h").format, "4");
}

TEST_F(ProfileDocumentTest, ScaleCoefficientsAreTakenWithoutMarkingTheProfile) {
    // Objects of scale coefficient 0, copied from a root with its sub-objects.
    m_operations.copyWithSubindexes(serial("3000h.00h"), "2100");
    EXPECT_EQ(at("2100h.03h").defaultValue, "1");
    m_document.setClean();
    m_document.takeScaleCoefficients();
    EXPECT_EQ(at("2100h.03h").defaultValue, "4");  // Q format of coefficient 0
    EXPECT_FALSE(m_document.isModified());
}

}  // namespace
}  // namespace tabrin::editing
