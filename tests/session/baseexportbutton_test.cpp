// The export button: modified bases saved first, the file offered in the folder of the last export
// with the vendor token in its name, that folder remembered, a failed write told.
#include <gtest/gtest.h>

#include <chrono>

#include "app/messageport.h"
#include "app/paths.h"
#include "session/baseexportbutton.h"
#include "session/workspace.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::session {
namespace {

namespace fs = std::filesystem;
using test::w;

const char* kTextBase =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<Texts>\n"
    "\t\t<text_1 id=\"1\" textid=\"1\" text=\"a\" sets=\"\" trus=\"\" teng=\"\" author=\"ivan\"/>\n"
    "\t</Texts>\n</root>\n";
const char* kSetBase =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<Sets>\n"
    "\t\t<set_5 id=\"5\" author=\"ivan\">\n\t\t\t<items item_0=\"a\"/>\n\t\t</set_5>\n"
    "\t</Sets>\n</root>\n";
const char* kExported =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root CreationDateTime=\"%s\">\n\t<params>\n"
    "\t\t<param name=\"\" ShortText=\"b\" EngText=\"\" textid=\"1\" sets=\"-1\"/>\n\t</params>\n\t<enums>\n"
    "\t\t<enum id=\"5\">\n\t\t\t<text text_par=\"a\"/>\n\t\t</enum>\n\t</enums>\n</root>\n";

class BaseExportButton : public ::testing::Test {
protected:
    BaseExportButton() {
        test::ScriptedMessagePort loading;
        m_workspace.loadBases(loading);
    }

    // The settings with a vendor token and both bases, there before the workspace reads them.
    static fs::path home(const fs::path& folder) {
        test::writeFile(folder / "Tabrin4.INI", "[Options]\r\nVendorToken=0A1B2C3D\r\n");
        test::writeFile(folder / "xml_DB" / "TextBase.xml", kTextBase);
        test::writeFile(folder / "xml_DB" / "SetBase.xml", kSetBase);
        fs::create_directories(folder / "out");
        return folder;
    }

    // The only text gets the short text "b" through the document.
    void editText() {
        bases::TextBaseElement changed = m_workspace.texts.elements()[0];
        changed.text = "b";
        m_workspace.textsDocument.replace(0, changed, "edit");
    }

    test::TempFolder m_program;
    Workspace m_workspace{home(m_program.path()), app::progLanguageRussian};
    const std::chrono::system_clock::time_point m_time{};
};

TEST_F(BaseExportButton, SavesTheBasesAndWritesTheChosenFile) {
    editText();
    const std::string chosen = app::pathText(m_program.path() / "out" / "export.xml");
    test::ScriptedFileDialogPort dialogs({chosen});
    test::ScriptedMessagePort port;
    EXPECT_EQ(exportBasesToChosenFile(m_workspace, dialogs, port, m_time), ButtonExport::Written);
    EXPECT_TRUE(port.asked().empty());
    EXPECT_FALSE(m_workspace.textsDocument.isModified());
    EXPECT_NE(test::readFile(m_program.path() / "xml_DB" / "TextBase.xml").find("text=\"b\""), std::string::npos);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0],
              (app::FileDialog{w("Экспортировать тексты/перечисления в файл"), "Xml files (*.xml)|*.xml",
                               app::pathText(m_program.path() / "coTextBase_0A1B2C3D.xml"), "xml"}));
    EXPECT_EQ(m_workspace.settings.kelvoPath, app::pathText(m_program.path() / "out") + "/");
    const std::string exported = test::readFile(m_program.path() / "out" / "export.xml");
    const std::size_t date = exported.find("CreationDateTime=\"") + 18;
    const std::string stamp = exported.substr(date, exported.find('"', date) - date);
    std::string expected = kExported;
    expected.replace(expected.find("%s"), 2, stamp);
    EXPECT_EQ(exported, expected);

    // The next export is offered in the folder of this one.
    test::ScriptedFileDialogPort again;
    EXPECT_EQ(exportBasesToChosenFile(m_workspace, again, port, m_time), ButtonExport::Cancelled);
    EXPECT_EQ(again.asked().at(0).startPath, app::pathText(m_program.path() / "out" / "coTextBase_0A1B2C3D.xml"));
}

TEST_F(BaseExportButton, CancelledOrUnwritable) {
    struct Row {
        const char* name;
        std::optional<std::string> chosen;
        ButtonExport result;
        std::size_t told;
    } rows[] = {
        {"cancelled: nothing written", std::nullopt, ButtonExport::Cancelled, 0},
        {"a folder that does not exist: told", app::pathText(m_program.path() / "missing" / "export.xml"),
         ButtonExport::NotWritten, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::ScriptedFileDialogPort dialogs({row.chosen});
        test::ScriptedMessagePort port;
        EXPECT_EQ(exportBasesToChosenFile(m_workspace, dialogs, port, m_time), row.result);
        ASSERT_EQ(port.asked().size(), row.told);
        if (row.told == 0) continue;
        EXPECT_EQ(port.asked()[0].caption, w("Ошибка"));
        EXPECT_EQ(port.asked()[0].text.rfind(w("Не удалось записать файл '") + *row.chosen + "': ", 0), 0u);
    }
}

TEST_F(BaseExportButton, ABaseThatCannotBeSavedEndsTheExport) {
    editText();
    fs::remove_all(m_program.path() / "xml_DB");
    test::writeFile(m_program.path() / "xml_DB", "a file where the folder was");
    test::ScriptedFileDialogPort dialogs({app::pathText(m_program.path() / "out" / "export.xml")});
    test::ScriptedMessagePort port;
    EXPECT_EQ(exportBasesToChosenFile(m_workspace, dialogs, port, m_time), ButtonExport::Cancelled);
    EXPECT_EQ(port.asked().size(), 1u);  // the failed save
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_FALSE(fs::exists(m_program.path() / "out" / "export.xml"));
}

}  // namespace
}  // namespace tabrin::session
