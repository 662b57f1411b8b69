// The generate and eds commands on a copy of the demo home: the bytes the window's buttons would
// write after opening the profile, module override, output places, refusals, and an untouched profile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/settings.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/profiledocument.h"
#include "generators/controllerfile.h"
#include "generators/edsfile.h"
#include "model/profile.h"
#include "model/services.h"
#include "session/profileopening.h"
#include "support/scopedenvironment.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin {
namespace {

class GenerateCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
        m_original = test::readFile(profilePath());
    }

    std::filesystem::path profilePath() const { return m_home.path() / "profiles" / "demo_drive.xml"; }
    std::filesystem::path out(const std::string& name) const { return m_home.path() / name; }

    // Runs the tool on the home from `folder`; standard output and error go to files "stdout" and "stderr".
    int run(const std::string& arguments, const std::filesystem::path& folder = ".") const {
        const std::string command = "cd '" + folder.string() + "' && " + TABRIN_CLI_PATH + " --home '" +
                                    m_home.path().string() + "' " + arguments + " >'" + out("stdout").string() +
                                    "' 2>'" + out("stderr").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string profileArgument() const { return "'" + profilePath().string() + "'"; }

    // Opens the profile as the window does and returns what its buttons produce.
    struct WindowSession {
        app::Translator translator;
        test::ScriptedMessagePort port{{}, app::MessageAnswer::Yes};
        bases::TextBase texts;
        bases::SetBase sets;
        app::Settings settings;
        app::EventLog log;
        editing::ProfileDocument document{translator, app::Language::Russian, texts, log};
        const model::Profile& profile = document.profile();

        explicit WindowSession(const std::filesystem::path& home, const std::filesystem::path& file) {
            settings = app::readSettings(app::settingsFilePath(home), app::progLanguageRussian);
            translator.loadDictionary(home / "lang_dict.xml", settings.progLanguage);
            texts.load(bases::TextBase::filePath(home), port);
            sets.load(bases::SetBase::filePath(home), port);
            document.load(file);
            session::prepareOpenedProfile(document, texts, settings.vendorToken, settings.user, port, translator);
            document.takeScaleCoefficients();
        }
        model::Services context(const std::filesystem::path& home) {
            return {sets, settings.user, app::Language::Russian, translator, port, home};
        }
    };

    void replaceInProfile(const std::string& from, const std::string& to) {
        std::string text = test::readFile(profilePath());
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        test::writeFile(profilePath(), text);
        m_original = text;
    }

    test::TempFolder m_home;
    test::ScopedEnvironment m_epoch{"SOURCE_DATE_EPOCH", "1700000000"};
    std::string m_original;
};

TEST_F(GenerateCommandTest, WritesTheBytesOfTheWindowsButton) {
    const std::string output = " -o '" + out("vost.c").string() + "'";
    ASSERT_EQ(run("generate demo_drive.xml" + output, profilePath().parent_path()), 0) << test::readFile(out("stderr"));
    WindowSession window(m_home.path(), profilePath());
    const generators::ControllerFile expected =
        generators::generateControllerFile(window.profile, window.context(m_home.path()));
    ASSERT_EQ(expected.status, generators::GenerationStatus::Generated);
    EXPECT_EQ(test::readFile(out("vost.c")), expected.text);
    EXPECT_NE(expected.text.find(test::w("// Профиль: ") + cp1251::fromUtf8(profilePath().string()) + "\r\n"),
              std::string::npos) << "the absolute path of the profile, as the open dialog gives it";

    ASSERT_EQ(run("generate " + profileArgument()), 0);
    EXPECT_EQ(test::readFile(out("stdout")), expected.text) << "standard output holds the same bytes";
    EXPECT_EQ(test::readFile(profilePath()), m_original);
}

TEST_F(GenerateCommandTest, ModuleAndConfigurationOptions) {
    ASSERT_EQ(run("generate " + profileArgument() + " --module 2 --config 1"), 0) << test::readFile(out("stderr"));
    const std::string text = test::readFile(out("stdout"));
    EXPECT_NE(text.find("Uint16 const co2_numOfInd = "), std::string::npos);
    EXPECT_NE(text.find("long const CO2_LINKS[]"), std::string::npos);
    EXPECT_NE(text.find(test::w("// Конфигурация: ПЧ-Демо 2\r\n")), std::string::npos);
    EXPECT_EQ(test::readFile(profilePath()), m_original) << "the module is not saved into the profile";
}

TEST_F(GenerateCommandTest, FailedCheckListsItsFaultsAndWritesNothing) {
    replaceInProfile("<obj_1001h.00h", "<obj_1000h.00h");
    replaceInProfile("</obj_1001h.00h>", "</obj_1000h.00h>");
    EXPECT_EQ(run("generate " + profileArgument() + " -o '" + out("vost.c").string() + "'"), 1);
    EXPECT_FALSE(std::filesystem::exists(out("vost.c")));
    const std::string errors = test::readFile(out("stderr"));
    EXPECT_NE(errors.find("В профиле сразу два элемента имеют индексацию 1000h.00h"), std::string::npos) << errors;
    EXPECT_EQ(run("eds " + profileArgument()), 1);
    EXPECT_FALSE(std::filesystem::exists(m_home.path() / "profiles" / "demo_drive.eds"));
    EXPECT_EQ(test::readFile(profilePath()), m_original);
}

TEST_F(GenerateCommandTest, AssemblerSeriesAlsoSavesVostAsmInTheHome) {
    replaceInProfile("proc_series=\"28\"", "proc_series=\"24\" Vost_inc=\"true\"");
    ASSERT_EQ(run("generate " + profileArgument()), 0) << test::readFile(out("stderr"));
    const std::string text = test::readFile(out("stdout"));
    EXPECT_TRUE(text.starts_with(std::string(62, '*') + "\r\n* CAN-Open Object Dictionary Declaration File"));
    EXPECT_NE(text.find(";    .include vost.inc\r\n"), std::string::npos);
    EXPECT_EQ(test::readFile(m_home.path() / "vost.asm"), text);
}

TEST_F(GenerateCommandTest, EdsBesideTheProfileOrWhereAsked) {
    ASSERT_EQ(run("eds " + profileArgument()), 0) << test::readFile(out("stderr"));
    const std::filesystem::path beside = m_home.path() / "profiles" / "demo_drive.eds";
    WindowSession window(m_home.path(), profilePath());
    const generators::EdsFile expected =
        generators::generateEdsFile(window.profile, window.context(m_home.path()), window.profile.header_text);
    ASSERT_EQ(expected.status, generators::GenerationStatus::Generated);
    EXPECT_EQ(test::readFile(beside), expected.text);
    EXPECT_NE(test::readFile(out("stderr")).find(beside.string()), std::string::npos) << "tells where the file is";

    ASSERT_EQ(run("eds " + profileArgument() + " --config 0 -o '" + out("drive.eds").string() + "'"), 0);
    EXPECT_EQ(test::readFile(out("drive.eds")), expected.text);
    EXPECT_EQ(test::readFile(profilePath()), m_original);
}

TEST_F(GenerateCommandTest, EdsHeaderWithBracketsIsRefused) {
    replaceInProfile("header_text=\"", "header_text=\"&lt;b&gt;");
    EXPECT_EQ(run("eds " + profileArgument()), 1);
    EXPECT_FALSE(std::filesystem::exists(m_home.path() / "profiles" / "demo_drive.eds"));
    EXPECT_NE(test::readFile(out("stderr")).find("Удалите символы < и > из шапки."), std::string::npos);
}

TEST_F(GenerateCommandTest, Usage) {
    EXPECT_EQ(run("generate"), 2);
    EXPECT_EQ(run("generate " + profileArgument() + " --module 3"), 2);
    EXPECT_EQ(run("generate " + profileArgument() + " --config x"), 2);
    EXPECT_EQ(run("generate " + profileArgument() + " --bogus 1"), 2);
    EXPECT_EQ(run("eds"), 2);
    EXPECT_EQ(run("eds " + profileArgument() + " --module 1"), 2);
    EXPECT_EQ(run("generate " + profileArgument() + " --config 9"), 1);
    EXPECT_NE(test::readFile(out("stderr")).find("no configuration 9"), std::string::npos);
    EXPECT_EQ(run("generate '" + (m_home.path() / "missing.xml").string() + "'"), 1);
}

}  // namespace
}  // namespace tabrin
