// "Генерировать всё" as a flow over a workspace: the files of every configuration in the folder of
// the controller file, the check's questions once per configuration, what is left out and told,
// the log, the save at generation, and a profile whose selection and modified state stay.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/cp1251.h"
#include "app/paths.h"
#include "editing/settingscommands.h"
#include "session/generateallcommand.h"
#include "session/profilesession.h"
#include "session/windowcommands.h"
#include "session/workspace.h"
#include "support/scopedenvironment.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::session {
namespace {

namespace fs = std::filesystem;
using test::w;

class GenerateAllCommand : public ::testing::Test {
protected:
    // Opens `profile` from the folder "profiles" of a home with the demo bases, after `settings`
    // replaced the profile's settings element.
    void open(const fs::path& profile, const std::string& settings) {
        session.reset();
        workspace.reset();
        const fs::path demo = DEMO_HOME_DIR;
        fs::copy(demo / "xml_DB", home.path() / "xml_DB",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::create_directories(home.path() / "Log");
        fs::create_directories(folder());
        test::writeFile(home.path() / "Tabrin4.INI", "[Options]\r\nProgLanguage=0\r\n");
        std::string text = test::readFile(profile);
        const std::size_t begin = text.find("<dictionary_settings");
        text.replace(begin, text.find("/>", begin) + 2 - begin, "<dictionary_settings " + settings + "/>");
        m_profilePath = app::pathText(home.path() / "profiles" / profile.filename());
        test::writeFile(app::nativePath(m_profilePath), text);

        workspace = std::make_unique<Workspace>(home.path(), app::progLanguageRussian);
        workspace->start();
        workspace->user = w("Иванов");
        ASSERT_TRUE(workspace->loadBases(port));
        session = std::make_unique<ProfileSession>(*workspace, port, dialogs);
        ASSERT_TRUE(session->open(m_profilePath));
        port = test::ScriptedMessagePort();
    }

    void openDemo(const std::string& prefix) {
        open(fs::path(DEMO_HOME_DIR) / "profiles" / "demo_drive.xml",
             "group_set=\"20\" proc_series=\"28\" prefix=\"" + prefix + "\" VostCFolder=\"generated\"");
    }

    fs::path folder() const { return home.path() / "profiles" / "generated"; }
    std::string log() const { return test::readFile(home.path() / "Log" / "Tabrin4.log"); }

    std::vector<ConfigurationFile> generateAll() {
        return runGenerateAllCommand(*workspace, port, {[this](const std::string&) { ++clipboards; }, [this] { ++saves; }});
    }

    const test::ScopedEnvironment m_epoch{"SOURCE_DATE_EPOCH", "1700000000"};
    test::TempFolder home;
    test::ScriptedMessagePort port;
    test::ScriptedFileDialogPort dialogs;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<ProfileSession> session;
    std::string m_profilePath;
    int clipboards = 0;
    int saves = 0;
};

TEST_F(GenerateAllCommand, WritesTheFilesOfGenerateForEachModuleAndLeavesTheSelection) {
    openDemo("1");
    workspace->settings.saveAtGeneration = false;
    const std::size_t viewSize = workspace->profile.view().size();

    const std::vector<ConfigurationFile> files = generateAll();

    ASSERT_EQ(files.size(), 2u);
    const std::string names[] = {"vost1_PCH-Demo_2.c", "vost2_PCH-Demo_2.c"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(files[i].outcome, ConfigurationOutcome::Written);
        EXPECT_EQ(files[i].module, i + 1);
        EXPECT_EQ(files[i].fileName, names[i]);
        const std::string text = test::readFile(folder() / names[i]);
        EXPECT_NE(text.find(w("// Конфигурация: ПЧ-Демо 2\r\n")), std::string::npos);
        EXPECT_EQ(test::readFile(home.path() / "Log" / ("vost" + std::to_string(i + 1) + "_1.c")), text + "\r\n");
        EXPECT_NE(log().find(w("Dictionary of configuration 'ПЧ-Демо 2' for CAN module ") + std::to_string(i + 1) +
                             " saved to file: " + app::pathText(folder() / names[i])),
                  std::string::npos);
    }
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_EQ(port.asked()[0], (app::Message{w("Готово"),
                                             w("Папка: ") + app::pathText(folder()) +
                                                 w("\r\n\r\nЗаписаны файлы:\r\n    vost1_PCH-Demo_2.c\r\n"
                                                   "    vost2_PCH-Demo_2.c"),
                                             app::MessageButtons::Ok, app::MessageIcon::None}));
    EXPECT_EQ(workspace->profile.CurrSubProfile, 0);
    EXPECT_EQ(workspace->profile.view().size(), viewSize);
    EXPECT_FALSE(workspace->document.isModified());
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(clipboards, 0);

    // "Генерировать" with the configuration and the module chosen writes the same bytes.
    workspace->document.setCurrent(1);
    workspace->document.push(editing::settingsFieldChange(
        workspace->profile, [](model::ProfileSettings& settings) { settings.prefix = 2; }, workspace->translator));
    const generators::ControllerFile single = runGenerateCommand(*workspace, m_profilePath, port,
                                                                 {[](const std::string&) {}, [] {}}, {});
    EXPECT_EQ(single.text, test::readFile(folder() / names[1]));

    workspace->settings.saveAtGeneration = true;
    generateAll();
    EXPECT_EQ(saves, 1);
}

// Answered No, the check's first question refuses the configuration; a group warning answered Yes
// lets it through. Either is asked once, not again for the second module.
TEST_F(GenerateAllCommand, TellsWhatIsLeftOutAndWritesNothingForIt) {
    open(fs::path(TEST_DATA_DIR) / "generation" / "configurations.xml",
         "group_set=\"20\" proc_series=\"28\" prefix=\"2\" VostCFolder=\"generated\"");
    test::writeFile(folder() / "vost1_Slomannaya.c", "kept");
    port = test::ScriptedMessagePort({app::MessageAnswer::No, app::MessageAnswer::Yes});

    const std::vector<ConfigurationFile> files = generateAll();

    std::vector<std::pair<std::string, ConfigurationOutcome>> outcomes;
    for (const ConfigurationFile& file : files) outcomes.emplace_back(file.fileName, file.outcome);
    EXPECT_EQ(outcomes, (std::vector<std::pair<std::string, ConfigurationOutcome>>{
                            {"vost1_Nasos_1.c", ConfigurationOutcome::Written},
                            {"vost2_Nasos_1.c", ConfigurationOutcome::Written},
                            {"vost1_Slomannaya.c", ConfigurationOutcome::Refused},
                            {"vost1_Nasos_1.c", ConfigurationOutcome::NameTaken},
                            {"vost2_Nasos_1.c", ConfigurationOutcome::NameTaken},
                            {"vost1_Ventilyator.c", ConfigurationOutcome::Written},
                            {"vost2_Ventilyator.c", ConfigurationOutcome::Written},
                        }));
    EXPECT_EQ(test::readFile(folder() / "vost1_Slomannaya.c"), "kept");
    EXPECT_FALSE(fs::exists(folder() / "vost2_Slomannaya.c"));
    EXPECT_NE(test::readFile(folder() / "vost2_Nasos_1.c").find(w("// Конфигурация: Насос 1\r\n")), std::string::npos);

    ASSERT_EQ(port.asked().size(), 3u);
    EXPECT_NE(port.asked()[0].text.find("5000h.00h"), std::string::npos);
    EXPECT_NE(port.asked()[1].text.find(w("Неправильный номер группы: '99'")), std::string::npos);
    EXPECT_EQ(port.asked()[2].icon, app::MessageIcon::Warning);
    EXPECT_EQ(port.asked()[2].text,
              w("Папка: ") + app::pathText(folder()) +
                  w("\r\n\r\nЗаписаны файлы:\r\n    vost1_Nasos_1.c\r\n    vost2_Nasos_1.c\r\n"
                    "    vost1_Ventilyator.c\r\n    vost2_Ventilyator.c\r\n\r\n"
                    "Пропущены конфигурации:\r\n"
                    "    'Сломанная': профиль не прошёл проверку перед генерацией\r\n"
                    "    'Nasos 1', модуль CAN 1: файл vost1_Nasos_1.c уже записан для конфигурации 'Насос 1'\r\n"
                    "    'Nasos 1', модуль CAN 2: файл vost2_Nasos_1.c уже записан для конфигурации 'Насос 1'"));
    EXPECT_NE(log().find(w("Configuration 'Сломанная' skipped: the check before generation failed")), std::string::npos);
    EXPECT_NE(log().find(w("Configuration 'Nasos 1' for CAN module 2 skipped: file ") +
                         app::pathText(folder() / "vost2_Nasos_1.c") + w(" was saved for configuration 'Насос 1'")),
              std::string::npos);
}

TEST_F(GenerateAllCommand, RefusesWithoutAFolderOrForAssembler) {
    const struct {
        const char* name;
        std::string settings;
        const char* told;
    } rows[] = {
        {"no folder", "proc_series=\"28\" prefix=\"1\"", "Папка для файла словаря не задана или не существует."},
        {"a folder that does not exist", "proc_series=\"28\" VostCFolder=\"missing\"",
         "Папка для файла словаря не задана или не существует."},
        {"assembler", "proc_series=\"24\" VostCFolder=\"generated\"",
         "Файлы всех конфигураций генерируются только для Си-кода."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        open(fs::path(DEMO_HOME_DIR) / "profiles" / "demo_drive.xml", row.settings);
        EXPECT_TRUE(generateAll().empty());
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(port.asked()[0].caption, w("Ошибка"));
        EXPECT_NE(port.asked()[0].text.find(w(row.told)), std::string::npos);
        EXPECT_TRUE(fs::is_empty(folder()));
        EXPECT_EQ(saves, 0);
    }
}

TEST_F(GenerateAllCommand, LogCopyThatCannotBeSavedIsToldOnce) {
    openDemo("2");
    fs::remove_all(home.path() / "Log");  // the log stays open on a folder that is gone
    const std::vector<ConfigurationFile> files = generateAll();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(fs::exists(folder() / "vost2_PCH-Demo_2.c"));
    ASSERT_EQ(port.asked().size(), 2u);
    EXPECT_EQ(port.asked()[1].caption, w("Ошибка"));
    EXPECT_NE(port.asked()[1].text.find("vost1_1.c"), std::string::npos);
}

}  // namespace
}  // namespace tabrin::session
