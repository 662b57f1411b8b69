// Importing objects from another profile on the fixture profile: the vendor-token question, files
// that are no profile, the list with its names and groups, the copies in the log folder, and the
// import of selected rows as one command that undo takes back exactly.
#include <gtest/gtest.h>

#include "app/paths.h"
#include "editing/objectimport.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using app::MessageAnswer;
using test::w;

std::string importedProfile(const std::string& token, const std::string& textID) {
    const auto object = [](const char* address, const char* type, const char* group, const std::string& textNumber,
                           const std::string& value) {
        return std::string("\t\t<obj_") + address + " DataType=\"Editable\" name=\"own " + address + "\" addr=\"v\" group=\"" +
               group + "\"><format Type=\"" + type + "\" Size=\"16\" Signed=\"false\"/><text text=\"short\" textID=\"" +
               textNumber + "\"/><defaults default=\"" + value + "\" min=\"\" max=\"\"/></obj_" + address + ">\n";
    };
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<dictionary_settings group_set=\"20\"/>\n"
           "\t<Indexes name=\"Base\">\n" +
           object("2600h.01h", "StandartNum", "0", "", token) + object("7000h.00h", "Root", "1", textID, "1") +
           object("7000h.01h", "StandartNum", "1", "", "5") + object("7000h.02h", "StandartNum", "x", "", "6") +
           object("7001h.00h", "StandartNum", "x", "", "7") + object("7002h.00h", "StandartNum", "999", "", "8") +
           "\t</Indexes>\n</root>\n";
}

class ObjectImportTest : public EditingProfile {
protected:
    std::string write(const std::string& name, const std::string& text) {
        test::writeFile(m_folder.path() / name, text);
        return app::pathText(m_folder.path() / name);
    }

    std::filesystem::path logFolder() const { return m_folder.path(); }

    ObjectImport m_import{m_document, m_port, m_translator, m_log, app::Language::Russian};
};

TEST(VendorTokenQuestion, AsksOnlyWhenTheTokensDiffer) {
    app::Translator translator;
    struct Row {
        const char* name;
        const char* imported;
        const char* installed;
        const char* shownImported;  // nullptr: no question
        const char* shownInstalled;
    };
    const Row rows[] = {
        {"hex with 0x", "0x1A2B3C4D", "1A2B3C4D", nullptr, nullptr},
        {"decimal", "439041101", "1A2B3C4D", nullptr, nullptr},
        {"no token in the installation", "0x1A2B3C4D", "", "0x1A2B3C4D", "не задано"},
        {"empty default", "", "1A2B3C4D", "не задано", "0x1A2B3C4D"},
        {"another token", "0x11", "1A2B3C4D", "0x11", "0x1A2B3C4D"},
        {"neither", "", "", nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<app::Message> question = vendorTokenQuestion(row.imported, row.installed, translator);
        ASSERT_EQ(question.has_value(), row.shownImported != nullptr);
        if (!question) continue;
        EXPECT_EQ(question->caption, "");
        EXPECT_EQ(question->buttons, app::MessageButtons::YesNo);
        EXPECT_NE(question->text.find(w("в импортируемом профиле: ") + w(row.shownImported) + ","), std::string::npos);
        EXPECT_NE(question->text.find(w("текущей настройки: ") + w(row.shownInstalled) + "."), std::string::npos);
    }
}

TEST_F(ObjectImportTest, ListsTheBaseProfileWithNamesFromTheTextBase) {
    const bases::TextBaseElement& known = m_texts.elements().back();
    const std::string file = write("plant.xml", importedProfile("", known.textid));
    ASSERT_TRUE(m_import.open(file, "", logFolder(), m_texts));
    EXPECT_TRUE(m_port.asked().empty());
    ASSERT_EQ(m_import.objects().size(), 6u);
    const auto rows = m_import.rows(m_sets);
    EXPECT_EQ(rows[1][0], "1");
    EXPECT_EQ(rows[1][1], "7000h");
    EXPECT_EQ(rows[2][1], "    7000h");
    EXPECT_EQ(rows[1][3], known.trus);  // the name of this installation's text
    EXPECT_EQ(rows[2][3], "own 7000h.01h");
    EXPECT_EQ(rows[2][4], "short");
    EXPECT_EQ(rows[2][6], "");  // groups only at subindex 00h
    EXPECT_EQ(rows[4][6], w("ВНЕ ГРУПП"));
    EXPECT_EQ(rows[5][6], "999");
    EXPECT_FALSE(rows[1][6].empty());
    EXPECT_EQ(m_import.headers()[3], w("Длинный текст"));
}

TEST_F(ObjectImportTest, EachOpeningKeepsANumberedCopyInTheLogFolder) {
    const std::string file = write("plant.xml", importedProfile("", ""));
    ASSERT_TRUE(m_import.open(file, "", logFolder(), m_texts));
    ASSERT_TRUE(m_import.open(file, "", logFolder(), m_texts));
    EXPECT_EQ(test::readFile(logFolder() / "plant_1.xml"), importedProfile("", ""));
    EXPECT_TRUE(std::filesystem::exists(logFolder() / "plant_2.xml"));
    EXPECT_NE(log().find("Opened profile to import from: " + file + " (copy saved under the name 'plant_2.xml')"),
              std::string::npos);
}

TEST_F(ObjectImportTest, RefusedFilesKeepThePreviousList) {
    ASSERT_TRUE(m_import.open(write("plant.xml", importedProfile("0x11", "")), "11", logFolder(), m_texts));
    struct Row {
        const char* name;
        std::string text;
        std::vector<MessageAnswer> answers;
    };
    const Row rows[] = {
        {"not a profile", "<?xml version=\"1.0\"?>\n<other/>\n", {}},
        {"not XML", "plain text", {}},
        {"token question answered No", importedProfile("0x22", ""), {MessageAnswer::No}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_port = test::ScriptedMessagePort({row.answers.begin(), row.answers.end()});
        EXPECT_FALSE(m_import.open(write("bad.xml", row.text), "11", logFolder(), m_texts));
        EXPECT_EQ(m_port.asked().size(), 1u);
        EXPECT_EQ(m_import.objects().size(), 6u);
        EXPECT_EQ(m_import.file(), app::pathText(m_folder.path() / "plant.xml"));
    }
}

TEST_F(ObjectImportTest, SelectedRowsGoToTheCurrentConfigurationAsOneCommand) {
    ASSERT_TRUE(m_import.open(write("plant.xml", importedProfile("", "")), "", logFolder(), m_texts));
    m_document.setCurrent(1);
    const ProfileState before(profile());
    m_import.import(2, 4);  // table rows 3 to 5
    EXPECT_NE(log().find("Object(s) with number(s) from 2 to 4 were imported"), std::string::npos);
    for (const char* address : {"7000h.01h", "7000h.02h", "7001h.00h"}) EXPECT_EQ(at(address).configuration, 1);
    EXPECT_EQ(profile().configurations[1].objects.size(), before.configurations[1].size() + 3);
    m_document.undo();
    EXPECT_TRUE(ProfileState(profile()) == before);

    m_import.import(1, 1);  // a root alone
    EXPECT_EQ(profile().configurations[1].objects.size(), before.configurations[1].size() + 1);
    EXPECT_EQ(at("7000h.00h").configuration, 1);
}

}  // namespace
}  // namespace tabrin::editing
