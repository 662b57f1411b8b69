// Configurations on the fixture profile: creating, renaming, deleting with the selection after it,
// moving and copying objects with the address question, their log lines, and undo and redo of
// each restoring the profile exactly.
#include <gtest/gtest.h>

#include "editing/configurationoperations.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using app::MessageAnswer;
using test::w;

class ConfigurationOperationsTest : public EditingProfile {
protected:
    std::vector<std::string> names() const {
        std::vector<std::string> shown;
        for (const model::SubProfile& configuration : profile().configurations) shown.push_back(configuration.name);
        return shown;
    }

    /// Undo gives back `before`, redo gives back what the command made.
    void undoesAndRedoes(const ProfileState& before) {
        const ProfileState after(profile());
        m_document.undo();
        EXPECT_TRUE(ProfileState(profile()) == before);
        m_document.redo();
        EXPECT_TRUE(ProfileState(profile()) == after);
    }

    ConfigurationOperations m_configurations{m_document, m_port, m_translator, m_log};
};

TEST_F(ConfigurationOperationsTest, CreateAppendsANewConfigurationAndMakesItCurrent) {
    const ProfileState before(profile());
    m_configurations.create();
    EXPECT_EQ(names(), (std::vector<std::string>{w("Базовый профиль"), "first", "second", w("Новая конфигурация")}));
    EXPECT_EQ(profile().CurrSubProfile, 3);
    for (const model::DictObject* object : profile().view()) EXPECT_EQ(object->configuration, 0);
    EXPECT_EQ(m_document.undoText(), w("создание конфигурации Новая конфигурация"));
    EXPECT_NE(log().find(w("Created new configuration: Новая конфигурация")), std::string::npos);
    EXPECT_NE(log().find(w("Current configuration changed to: Новая конфигурация")), std::string::npos);
    undoesAndRedoes(before);
}

TEST_F(ConfigurationOperationsTest, RenameTakesAnyTextButNotTheBaseProfile) {
    const ProfileState before(profile());
    m_configurations.rename(0, "base");
    EXPECT_EQ(m_document.historySize(), 0u);
    m_configurations.startRename(1);
    m_configurations.rename(1, "");
    EXPECT_EQ(names()[1], "");
    EXPECT_NE(log().find("Renaming configuration 'first' started"), std::string::npos);
    EXPECT_NE(log().find("Current configuration renamed to: \r\n"), std::string::npos);
    EXPECT_EQ(m_document.undoText(), w("переименование конфигурации first"));
    undoesAndRedoes(before);
}

TEST_F(ConfigurationOperationsTest, DeleteAsksAndSelectsTheSamePositionOrTheLast) {
    struct Row {
        const char* name;
        int current;
        MessageAnswer answer;
        std::vector<std::string> names;
        int currentAfter;
    };
    const Row rows[] = {
        {"the last of three", 2, MessageAnswer::Yes, {w("Базовый профиль"), "first"}, 1},
        {"a middle one", 1, MessageAnswer::Yes, {w("Базовый профиль"), "second"}, 1},
        {"No keeps it", 1, MessageAnswer::No, {w("Базовый профиль"), "first", "second"}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_document.setCurrent(row.current);
        const ProfileState before(profile());
        const std::string name = names()[static_cast<std::size_t>(row.current)];
        m_port = test::ScriptedMessagePort({row.answer});
        m_configurations.removeCurrent();
        ASSERT_EQ(m_port.asked().size(), 1u);
        EXPECT_EQ(m_port.asked()[0].caption, "");
        EXPECT_EQ(m_port.asked()[0].text, w("Удалить конфигурацию '") + name + "'?");
        EXPECT_EQ(names(), row.names);
        EXPECT_EQ(profile().CurrSubProfile, row.currentAfter);
        // Objects name their configuration by position: those of a later one move up with it.
        for (std::size_t c = 0; c < profile().configurations.size(); ++c)
            for (const model::DictObject& object : profile().configurations[c].objects)
                EXPECT_EQ(object.configuration, static_cast<int>(c));
        if (row.answer == MessageAnswer::Yes) {
            undoesAndRedoes(before);
            m_document.undo();
        }
    }
    m_document.setCurrent(0);
    m_port = test::ScriptedMessagePort();
    m_configurations.removeCurrent();
    EXPECT_TRUE(m_port.asked().empty());
}

TEST_F(ConfigurationOperationsTest, CopyingABaseObjectOverridesItInTheTarget) {
    m_document.setCurrent(1);
    const ProfileState before(profile());
    m_configurations.transfer({serial("2000h.01h")}, 1, TransferKind::Copy);
    EXPECT_TRUE(m_port.asked().empty());
    EXPECT_EQ(at("2000h.01h").configuration, 1);
    EXPECT_EQ(profile().configurations[0].objects.size(), before.configurations[0].size());
    EXPECT_NE(log().find("1 object(s) from #2 [2000h.01h] to [2000h.01h] are requested for copying to configuration "
                         "'first'"),
              std::string::npos);
    EXPECT_NE(log().find("Object [2000h.01h] copied to configuration 'first'"), std::string::npos);
    EXPECT_EQ(m_document.undoText(), w("копирование объекта 2000h.01h в 'first'"));
    undoesAndRedoes(before);
}

TEST_F(ConfigurationOperationsTest, MovingAsksPerTakenAddressAndLogsTheCancelled) {
    m_document.setCurrent(1);
    const ProfileState before(profile());
    m_port = test::ScriptedMessagePort({MessageAnswer::No, MessageAnswer::Yes});
    m_configurations.transfer({serial("2534h.01h"), serial("3000h.00h"), serial("3000h.01h")}, 2, TransferKind::Move);
    ASSERT_EQ(m_port.asked().size(), 2u);
    EXPECT_EQ(m_port.asked()[0].text,
              w("В конфигурации 'second' уже существует объект с адресом 3000h.00h:\r\n'Limits of the second'\r\n"
                "Продолжить?"));
    EXPECT_NE(log().find("User canceled moving object 3000h.00h to configuration 'second'"), std::string::npos);
    EXPECT_NE(log().find("Object [2534h.01h] moved to configuration 'second'"), std::string::npos);
    EXPECT_NE(log().find("Object [3000h.01h] moved to configuration 'second'"), std::string::npos);
    // Moved out of the base profile: the base no longer has them, the target holds both 3000h.01h.
    const auto& base = profile().configurations[0].objects;
    EXPECT_EQ(base.size(), before.configurations[0].size() - 2);
    const auto& second = profile().configurations[2].objects;
    EXPECT_EQ(second.size(), before.configurations[2].size() + 2);
    EXPECT_EQ(std::count_if(second.begin(), second.end(),
                            [](const model::DictObject& object) { return object.address() == "3000h.01h"; }),
              2);
    EXPECT_EQ(m_document.undoText(), w("перемещение 2 объектов в 'second'"));
    undoesAndRedoes(before);
}

}  // namespace
}  // namespace tabrin::editing
