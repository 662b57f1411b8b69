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

// Every configuration after the base profile, for the modules of the controller or the one given:
// each file holds the bytes of the single generation of that configuration and module.
TEST_F(GenerateCommandTest, AllWritesTheFileOfEveryConfigurationAsTheSingleGenerationDoes) {
    struct Expected {
        std::string file;
        int configuration;
        int module;
    };
    const struct {
        const char* name;
        const char* prefix;
        std::string arguments;
        std::vector<Expected> files;
    } rows[] = {
        {"single-module controller", "0", "", {{"vost_PCH-Demo_2.c", 1, 0}}},
        {"dual-module controller", "1", "", {{"vost1_PCH-Demo_2.c", 1, 1}, {"vost2_PCH-Demo_2.c", 1, 2}}},
        {"module given", "1", " --module 2", {{"vost2_PCH-Demo_2.c", 1, 2}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string before = test::readFile(profilePath());
        std::string profile = before;
        profile.replace(profile.find("prefix=\"0\""), 10, std::string("prefix=\"") + row.prefix + "\"");
        test::writeFile(profilePath(), profile);
        const std::filesystem::path folder = out(row.name);
        std::filesystem::create_directories(folder);

        ASSERT_EQ(run("generate " + profileArgument() + " --all -o '" + folder.string() + "'" + row.arguments), 0)
            << test::readFile(out("stderr"));
        std::string listed;
        for (const Expected& expected : row.files) listed += (folder / expected.file).string() + "\n";
        EXPECT_EQ(test::readFile(out("stdout")), listed);
        EXPECT_EQ(static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {})),
                  row.files.size());
        const std::string written = test::readFile(profilePath());
        for (const Expected& expected : row.files) {
            ASSERT_EQ(run("generate " + profileArgument() + " --config " + std::to_string(expected.configuration) +
                          " --module " + std::to_string(expected.module)),
                      0);
            EXPECT_EQ(test::readFile(folder / expected.file), test::readFile(out("stdout"))) << expected.file;
        }
        EXPECT_EQ(written, profile) << "the profile file is never written";
        test::writeFile(profilePath(), before);
    }
}

// A configuration the check refuses, and one whose file name an earlier one has taken, are told
// and write nothing; the others are written in order.
TEST_F(GenerateCommandTest, AllSkipsWhatCannotBeWrittenAndGoesOn) {
    const std::filesystem::path profile = m_home.path() / "profiles" / "configurations.xml";
    std::filesystem::copy_file(std::string(TEST_DATA_DIR) + "/generation/configurations.xml", profile);
    const std::filesystem::path folder = out("generated");
    test::writeFile(folder / "vost1_Slomannaya.c", "kept");
    test::writeFile(folder / "vost2_Nasos_1.c", "replaced");

    const std::string arguments = "'" + profile.string() + "' --all -o '" + folder.string() + "'";
    std::string text = test::readFile(profile);
    text.replace(text.find("prefix=\"0\""), 10, "prefix=\"2\"");
    test::writeFile(profile, text);
    EXPECT_EQ(run("generate " + arguments), 1);

    const std::vector<std::string> written = {"vost1_Nasos_1.c", "vost2_Nasos_1.c", "vost1_Ventilyator.c",
                                              "vost2_Ventilyator.c"};
    std::string listed;
    for (const std::string& file : written) listed += (folder / file).string() + "\n";
    EXPECT_EQ(test::readFile(out("stdout")), listed);
    const std::string errors = test::readFile(out("stderr"));
    EXPECT_NE(errors.find("configuration 2 'Сломанная' skipped: the profile did not pass the check"),
              std::string::npos) << errors;
    EXPECT_EQ(errors.find("module 2: "), std::string::npos) << "a refused configuration is not tried again";
    const std::string twins = "два элемента имеют индексацию 5000h.00h";
    EXPECT_EQ(errors.find(twins), errors.rfind(twins)) << "the check's questions are asked once per configuration";
    EXPECT_NE(errors.find("configuration 3 'Nasos 1', module 1 skipped: " + (folder / "vost1_Nasos_1.c").string() +
                          " was written for configuration 'Насос 1'"),
              std::string::npos) << errors;
    EXPECT_NE(errors.find("configuration 3 'Nasos 1', module 2 skipped"), std::string::npos);
    EXPECT_EQ(test::readFile(folder / "vost1_Slomannaya.c"), "kept");
    EXPECT_FALSE(std::filesystem::exists(folder / "vost2_Slomannaya.c"));

    const struct {
        const char* file;
        const char* configuration;
        const char* module;
    } singles[] = {{"vost2_Nasos_1.c", "1", "2"}, {"vost1_Ventilyator.c", "4", "1"}};
    for (const auto& single : singles) {
        SCOPED_TRACE(single.file);
        run("generate '" + profile.string() + "' --config " + single.configuration + " --module " + single.module);
        EXPECT_EQ(test::readFile(folder / single.file), test::readFile(out("stdout")));
    }
}

TEST_F(GenerateCommandTest, AllUsage) {
    const std::string folder = " -o '" + m_home.path().string() + "'";
    const struct {
        const char* name;
        std::string arguments;
        int exitCode;
        const char* told;
    } rows[] = {
        {"no folder", profileArgument() + " --all", 2, "--all needs -o FOLDER"},
        {"a configuration", profileArgument() + " --all --config 1" + folder, 2, "--all takes no --config"},
        {"twice", profileArgument() + " --all --all" + folder, 2, "--all is given twice"},
        {"a bad module", profileArgument() + " --all --module 5" + folder, 2, "--module takes 0, 1 or 2"},
        {"a file for the folder", profileArgument() + " --all -o " + profileArgument(), 1, "is not a folder"},
        {"only the base profile",
         "'" + std::string(TEST_DATA_DIR) + "/editing/base_only.xml' --all" + folder, 1,
         "no configuration besides the base profile"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run("generate " + row.arguments), row.exitCode);
        EXPECT_NE(test::readFile(out("stderr")).find(row.told), std::string::npos) << test::readFile(out("stderr"));
    }
    replaceInProfile("proc_series=\"28\"", "proc_series=\"24\"");
    EXPECT_EQ(run("generate " + profileArgument() + " --all" + folder), 1);
    EXPECT_NE(test::readFile(out("stderr")).find("the profile's series is assembler"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_home.path() / "vost.asm"));
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
