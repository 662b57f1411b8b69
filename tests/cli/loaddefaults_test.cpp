// The load-defaults command run as a user runs it: the comparison on standard output, the defaults
// of the selected parameters saved to the output file, and what stops it before anything is written.
#include <gtest/gtest.h>

#include <string>

#include "support/programrun.h"
#include "support/tempfolder.h"

namespace tabrin {
namespace {

std::filesystem::path fixture(const std::string& name) {
    return std::filesystem::path(TEST_DATA_DIR) / "parameters" / name;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// The default written for the first object element at `address` of a saved profile.
std::string savedDefault(const std::string& text, const std::string& address) {
    const std::size_t object = text.find("<obj_" + address);
    if (object == std::string::npos) return "(none)";
    const std::size_t value = text.find("default=\"", object) + 9;
    return text.substr(value, text.find('"', value) - value);
}

class LoadDefaultsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
        std::filesystem::copy(fixture("profile.xml"), profile());
    }

    test::ProgramRun run(const std::string& command, const std::string& arguments,
                         const std::string& language = "ru") const {
        return test::runProgram(std::string(TABRIN_CLI_PATH) + " --home " + quoted(m_home.path()) + " --lang " +
                                language + " " + command + " " + arguments);
    }
    test::ProgramRun load(const std::string& kvpx, const std::string& options = "",
                          const std::string& language = "ru") const {
        return run("load-defaults",
                   quoted(profile()) + " " + quoted(fixture(kvpx)) + " " + options + " -o " + quoted(output()),
                   language);
    }
    // A hand-edited profile as the program saves it.
    std::string savedAsTheProgramSavesIt(const std::string& name) const {
        const auto saved = m_home.path() / "expected.xml";
        const test::ProgramRun save = run("save", quoted(fixture(name)) + " -o " + quoted(saved));
        EXPECT_EQ(save.exitCode, 0) << save.err;
        return test::readFile(saved);
    }

    std::filesystem::path profile() const { return m_home.path() / "profile.xml"; }
    std::filesystem::path output() const { return m_home.path() / "out.xml"; }

    test::TempFolder m_home;
};

TEST_F(LoadDefaultsCommand, ComparesLoadsTheCheckedParametersAndSavesTheResult) {
    const test::ProgramRun loaded = load("plant.kvpx");
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    EXPECT_EQ(loaded.err, "");
    EXPECT_EQ(loaded.out,
              "\n"
              "Сравнение словарей...\n"
              "!!! Параметр Скорость двигателя [2001h.00h] исключен из списка. Это скорость сети, при её смене "
              "загрузка прервется.\n"
              "В словаре устройства нет элемента(ов):\n"
              "_ [2700h.00h]\n"
              " \n"
              "В словаре устройства неизвестные (новые) параметр(ы) :\n"
              "Резерв [2600h.00h]\n"
              " \n"
              "Сравнение завершено. Отменена загрузка 2 параметров.\n"
              "\n"
              "Загрузка выбранных параметров в значения по умолчанию текущего словаря...\n"
              "Значения по умолчанию загружены.\n");
    // Exactly the defaults of 2000h.01h and 2510h.00h ("2,5" as "2.5") changed; the viewable
    // 2000h.03h checked in the file stays as it was, and so does the profile itself.
    EXPECT_EQ(test::readFile(output()), savedAsTheProgramSavesIt("loaded.xml"));
    EXPECT_EQ(test::readFile(profile()), test::readFile(fixture("profile.xml")));
}

TEST_F(LoadDefaultsCommand, IntoAConfiguration) {
    const test::ProgramRun loaded = load("plant.kvpx", "--config 1");
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    // The configuration's own 2000h.01h takes its value; 2510h.00h, which it takes from the base
    // profile, changes there, as the window loads into the objects it shows. The current
    // configuration stays the one the file had.
    EXPECT_EQ(test::readFile(output()), savedAsTheProgramSavesIt("loaded_config1.xml"));
}

TEST_F(LoadDefaultsCommand, SelectionsAndScaleChoices) {
    struct Row {
        const char* name;
        std::string kvpx;
        std::string options;
        std::map<std::string, std::string> defaults;  // address → saved default
        std::string outLine;                          // a line of the comparison
        std::string savedText = "";                   // a part of the saved profile
        std::string language = "ru";
    };
    const Row rows[] = {
        {"every parameter: the unchecked 2000h.02h too, the scale objects missing",
         "plant.kvpx",
         "--select all",
         {{"2000h.01h", "550"}, {"2000h.02h", "12"}, {"2000h.03h", "0"}, {"2510h.00h", "2.5"}},
         "_ [2100h.01h]\n"},
        {"the standard ones: up to 2500h",
         "plant.kvpx",
         "--select standard",
         {{"2000h.01h", "550"}, {"2000h.02h", "12"}, {"2510h.00h", "7"}},
         "Сравнение завершено. Отменена загрузка 3 параметров.\n"},
        {"all but the standard ones",
         "plant.kvpx",
         "--select non-standard",
         {{"2000h.01h", "540"}, {"2000h.02h", "10"}, {"2510h.00h", "2.5"}},
         "Сравнение завершено. Отменена загрузка 1 параметров.\n"},
        {"the checked ones, named explicitly",
         "plant.kvpx",
         "--select checked",
         {{"2000h.01h", "550"}, {"2000h.02h", "10"}, {"2510h.00h", "2.5"}},
         "_ [2700h.00h]\n"},
        {"differing scale coefficients kept",
         "scales.kvpx",
         "--keep-scales",
         {{"2000h.01h", "550"}, {"2510h.00h", "2.5"}},
         "Резерв [2600h.00h]\n",
         "possible_value=\"100\""},
        {"differing scale coefficients replaced",
         "scales.kvpx",
         "--replace-scales",
         {{"2000h.01h", "550"}, {"2510h.00h", "2.5"}},
         "Резерв [2600h.00h]\n",
         "possible_value=\"120\""},
        {"a scale choice without a difference changes nothing",
         "plant.kvpx",
         "--replace-scales",
         {{"2000h.01h", "550"}},
         "Значения по умолчанию загружены.\n",
         "possible_value=\"100\""},
        {"lines of the English interface",
         "plant.kvpx",
         "",
         {{"2000h.01h", "550"}},
         "Motor speed [2001h.00h]",
         "",
         "en"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(output());
        const test::ProgramRun loaded = load(row.kvpx, row.options, row.language);
        ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
        EXPECT_NE(loaded.out.find(row.outLine), std::string::npos) << loaded.out;
        const std::string saved = test::readFile(output());
        for (const auto& [address, value] : row.defaults) EXPECT_EQ(savedDefault(saved, address), value) << address;
        EXPECT_NE(saved.find(row.savedText), std::string::npos);
    }
}

TEST_F(LoadDefaultsCommand, StopsBeforeWritingAnything) {
    struct Row {
        const char* name;
        std::string kvpx;
        std::string options;
        std::string err;  // a part of it
    };
    const Row rows[] = {
        {"scale coefficients differ and no choice is made", "scales.kvpx", "",
         "load-defaults: the scale coefficients of the profile and of the parameter file differ; choose "
         "--replace-scales or --keep-scales\n  01h value: 100 -> 120\n"},
        {"a broken record", "broken.kvpx", "",
         "Ошибка чтения файла настроек. Битая запись: \nabs_index=5\nco_index=8192\nco_subindex=2\n"},
        {"a truncated file", "truncated.kvpx", "", "load-defaults: cannot read "},
        {"no such file", "missing.kvpx", "", "to read parameters\n"},
        {"no such configuration", "plant.kvpx", "--config 2", "load-defaults: the profile has no configuration 2\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const test::ProgramRun loaded = load(row.kvpx, row.options);
        EXPECT_EQ(loaded.exitCode, 1);
        EXPECT_NE(loaded.err.find(row.err), std::string::npos) << loaded.err;
        EXPECT_FALSE(std::filesystem::exists(output()));
    }
    EXPECT_EQ(test::readFile(profile()), test::readFile(fixture("profile.xml")));
}

TEST_F(LoadDefaultsCommand, AnOutputThatCannotBeWrittenIsTold) {
    const auto output = m_home.path() / "no such folder" / "out.xml";
    const test::ProgramRun loaded =
        run("load-defaults", quoted(profile()) + " " + quoted(fixture("plant.kvpx")) + " -o " + quoted(output));
    EXPECT_EQ(loaded.exitCode, 1);
    EXPECT_TRUE(loaded.err.starts_with("load-defaults: cannot save " + output.string() + ": code ")) << loaded.err;
    EXPECT_EQ(test::readFile(profile()), test::readFile(fixture("profile.xml")));
}

TEST_F(LoadDefaultsCommand, WritesOverTheProfileOnlyWhenTheOutputNamesIt) {
    const test::ProgramRun loaded =
        run("load-defaults", quoted(profile()) + " " + quoted(fixture("plant.kvpx")) + " -o " + quoted(profile()));
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    EXPECT_EQ(test::readFile(profile()), savedAsTheProgramSavesIt("loaded.xml"));
}

TEST_F(LoadDefaultsCommand, NeverWritesOverAFileItReads) {
    const auto kvpx = m_home.path() / "plant.kvpx";
    std::filesystem::copy(fixture("plant.kvpx"), kvpx);
    std::filesystem::create_symlink(kvpx, m_home.path() / "link.kvpx");
    const struct {
        const char* name;
        std::filesystem::path output;
        std::string err;
    } rows[] = {
        {"the parameter file", kvpx, "is the parameter file, which the command reads\n"},
        {"the parameter file through a link", m_home.path() / "link.kvpx", "is the parameter file"},
        {"the parameter file by another path", m_home.path() / "xml_DB" / ".." / "plant.kvpx", "is the parameter file"},
        {"the text base", m_home.path() / "xml_DB" / "TextBase.xml", "is the text base"},
        {"the enumeration base", m_home.path() / "xml_DB" / "SetBase.xml", "is the enumeration base"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string before = test::readFile(row.output);
        const test::ProgramRun loaded =
            run("load-defaults", quoted(profile()) + " " + quoted(kvpx) + " -o " + quoted(row.output));
        EXPECT_EQ(loaded.exitCode, 2);
        EXPECT_NE(loaded.err.find(row.err), std::string::npos) << loaded.err;
        EXPECT_EQ(loaded.out, "");
        EXPECT_EQ(test::readFile(row.output), before);
    }
}

TEST_F(LoadDefaultsCommand, Usage) {
    const std::string files = quoted(profile()) + " " + quoted(fixture("plant.kvpx"));
    const struct {
        const char* name;
        std::string arguments;
        std::string err;
    } rows[] = {
        {"no output", files, "load-defaults: -o OUT is required\n"},
        {"one file", quoted(profile()) + " -o x.xml",
         "load-defaults: takes a profile and a parameter file, got 1 file(s)\n"},
        {"both scale choices", files + " --replace-scales --keep-scales -o x.xml",
         "load-defaults: --replace-scales and --keep-scales exclude each other\n"},
        {"an unknown selection", files + " --select some -o x.xml",
         "load-defaults: --select takes checked, all, standard or non-standard, got some\n"},
        {"a configuration that is no number", files + " --config one -o x.xml",
         "load-defaults: --config needs a configuration number, got one\n"},
        {"an unknown option", files + " --force -o x.xml", "load-defaults: unknown option --force\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const test::ProgramRun loaded = run("load-defaults", row.arguments);
        EXPECT_EQ(loaded.exitCode, 2);
        EXPECT_EQ(loaded.err, row.err);
    }
}

}  // namespace
}  // namespace tabrin
