// The panel files written along with a profile's controller file, as its settings ask.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "app/paths.h"
#include "model/profilesettings.h"
#include "panel/profilepanelfiles.h"
#include "panelhome.h"

namespace tabrin {
namespace {

using test::w;

class ProfilePanelFiles : public ::testing::Test {
protected:
    ProfilePanelFiles() {
        m_settings.GenPUTextsToFolder = true;
        m_settings.PUCodeType = 1;  // packed C for 2808
        m_settings.PUTextsType = 0;
        m_settings.PUEnumsType = 3;  // short English
        m_settings.PUUseOtherEnumIfNoGiven = false;
        m_settings.PUTextsHPath = "include/panel.h";
        m_settings.PUTextsHInc = "\"board.h\"";
        m_settings.PUTextsCPath = "texts.c";
        m_settings.PUTextsCInc = "\"panel.h\"";
    }

    bool write() { return panel::writeProfilePanelFiles(m_settings, m_profile, m_home.environment()); }
    std::filesystem::path headerFile() const { return m_home.folder() / "include" / "panel.h"; }
    std::filesystem::path textsFile() const { return m_home.folder() / "texts.c"; }

    test::PanelHome m_home{{{"1", "Пуск", "5", "Пуск двигателя"}}, {{"5", {"Нет@No@@Off", "Да@Yes@@On"}}}};
    std::string m_profile = m_home.profile("drive.xml", {"1"});
    model::ProfileSettings m_settings;
};

TEST_F(ProfilePanelFiles, WrittenBesideTheProfileAsTheSettingsSay) {
    std::filesystem::create_directory(m_home.folder() / "include");
    ASSERT_TRUE(write());
    EXPECT_TRUE(m_home.port().asked().empty());
    const std::string header = test::readFile(headerFile());
    EXPECT_NE(header.find("\r\n#include \"board.h\"\r\n"), std::string::npos);
    EXPECT_NE(header.find("extern Uint16 const texts_texts[];"), std::string::npos);
    const std::string texts = test::readFile(textsFile());
    EXPECT_NE(texts.find(w("[Си с упаковкой для 2808]")), std::string::npos);
    EXPECT_NE(texts.find("\r\n#include \"panel.h\"\r\n"), std::string::npos);
    EXPECT_NE(texts.find(w("//Пуск двигателя\r\n")), std::string::npos);
    EXPECT_NE(texts.find("\r\n\"Off\",\r\n\"On\",\r\n"), std::string::npos);
}

TEST_F(ProfilePanelFiles, NothingWhenNotAsked) {
    const struct {
        const char* name;
        bool generate;
        model::ProcessorSeries series;
    } cases[] = {{"switched off", false, model::ProcessorSeries::CCode},
                 {"assembler series", true, model::ProcessorSeries::Assembler}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        m_settings.GenPUTextsToFolder = row.generate;
        m_settings.proc_series = row.series;
        EXPECT_TRUE(write());
        EXPECT_FALSE(std::filesystem::exists(textsFile()));
        EXPECT_TRUE(m_home.port().asked().empty());
    }
}

TEST_F(ProfilePanelFiles, PathNotSetIsToldByItsLabelAndTheOtherFileStillWritten) {
    const struct {
        const char* name;
        std::string model::ProfileSettings::*path;
        const char* label;
    } rows[] = {{"header file", &model::ProfileSettings::PUTextsHPath, "(\"Заголовочный файл\")"},
                {"C file", &model::ProfileSettings::PUTextsCPath, "(\"Си-файл\")"}};
    std::filesystem::create_directory(m_home.folder() / "include");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string kept = m_settings.*row.path;
        m_settings.*row.path = "";
        EXPECT_FALSE(write());
        ASSERT_EQ(m_home.port().asked().size(), 1u);
        const std::string text = m_home.port().asked().front().text;
        EXPECT_NE(text.find(w("В настройках профиля не задан путь файла текстов для ПУ ") + w(row.label)),
                  std::string::npos) << text;
        EXPECT_EQ(text.find("PUTexts"), std::string::npos) << "no internal names";
        EXPECT_EQ(std::filesystem::exists(headerFile()), row.path != &model::ProfileSettings::PUTextsHPath);
        EXPECT_EQ(std::filesystem::exists(textsFile()), row.path != &model::ProfileSettings::PUTextsCPath);
        m_settings.*row.path = kept;
        std::filesystem::remove(headerFile());
        std::filesystem::remove(textsFile());
        m_home.port() = test::ScriptedMessagePort();
    }
}

TEST_F(ProfilePanelFiles, FileThatCannotBeWrittenIsToldWithTheSystemsReason) {
    const struct {
        const char* name;
        std::filesystem::path file;
        int error;
    } rows[] = {{"folder of the file's name", textsFile(), EISDIR},
                {"missing folder", headerFile(), ENOENT}};
    std::filesystem::create_directory(textsFile());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_home.port() = test::ScriptedMessagePort();
        EXPECT_FALSE(write());
        bool told = false;
        for (const app::Message& message : m_home.port().asked()) {
            told = told || (message.text.find(w("Не удалось записать файл '") + app::pathText(row.file) + "'. " +
                                              std::strerror(row.error)) != std::string::npos);
        }
        EXPECT_TRUE(told);
    }
}

TEST_F(ProfilePanelFiles, UnknownCodeTypeWritesNothing) {
    m_settings.PUCodeType = 3;
    EXPECT_FALSE(write());
    ASSERT_EQ(m_home.port().asked().size(), 1u);
    EXPECT_NE(m_home.port().asked().front().text.find(": 3."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(textsFile()));
}

}  // namespace
}  // namespace tabrin
