// Files and input that once hung the tool, crashed it or corrupted what it wrote: pipes and
// devices where files belong, absurd format fields, UTF-8 profiles, protected and long-named
// outputs, missing folders, too little memory. Run as a user runs the tool.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "support/ordinaryuser.h"
#include "support/profilefile.h"
#include "support/programrun.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin {
namespace {

namespace fs = std::filesystem;

const fs::path kProfiles = TEST_DATA_DIR "/profiles";

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// A profile that passes the check, in the home.
std::string cleanProfile(const fs::path& home) {
    const fs::path file = home / "clean.xml";
    test::writeFile(file, test::profileFile(test::objectElement("2000h.00h", "Root") + test::objectElement("2000h.01h") +
                                            test::objectElement("2001h.00h")));
    return quoted(file);
}

void replaceByPipe(const fs::path& file) {
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
}

void replaceByEndlessDevice(const fs::path& file) {
    fs::remove(file);
    fs::create_symlink("/dev/zero", file);
}

struct Row {
    const char* name;
    // Makes the files of the row and gives the arguments after "--home HOME".
    std::function<std::string(const fs::path& home)> prepare;
    int exitCode;
    std::string inError;  // a part of the error output
    std::function<void(const fs::path& home, const test::ProgramRun& run)> check = {};
    bool asOrdinaryUser = false;
    bool needsMemoryLimit = false;
};

const Row kRows[] = {
    {"profile that is a pipe without a writer",
     [](const fs::path& home) {
         replaceByPipe(home / "pipe.xml");
         return "check " + quoted(home / "pipe.xml");
     },
     1, "code 2: Can't open file"},
    {"settings file that is a pipe",
     [](const fs::path& home) {
         replaceByPipe(home / "Tabrin4.INI");
         return "check " + cleanProfile(home);
     },
     0, ""},
    {"settings file that is an endless device",
     [](const fs::path& home) {
         replaceByEndlessDevice(home / "Tabrin4.INI");
         return "check " + cleanProfile(home);
     },
     0, ""},
    {"translation dictionary that is a pipe",
     [](const fs::path& home) {
         replaceByPipe(home / "lang_dict.xml");
         return "--lang en check " + cleanProfile(home);
     },
     0, ""},
    {"translation dictionary that is an endless device",
     [](const fs::path& home) {
         replaceByEndlessDevice(home / "lang_dict.xml");
         return "--lang en check " + cleanProfile(home);
     },
     0, ""},
    {"format fields at the ends of their type",
     [](const fs::path&) { return "check " + quoted(kProfiles / "absurd-format.xml"); },
     1, ""},
    {"format words beyond 16 bits generated",
     [](const fs::path& home) {
         return "generate " + quoted(kProfiles / "large-format-words.xml") + " -o " + quoted(home / "vost.c");
     },
     0, "",
     [](const fs::path& home, const test::ProgramRun&) { EXPECT_TRUE(fs::exists(home / "vost.c")); }},
    {"UTF-8 profile saved in Windows-1251",
     [](const fs::path& home) {
         return "save " + quoted(kProfiles / "utf8-declared.xml") + " -o " + quoted(home / "out.xml");
     },
     0, "",
     [](const fs::path& home, const test::ProgramRun&) {
         const std::string saved = test::readFile(home / "out.xml");
         EXPECT_TRUE(saved.starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));
         EXPECT_NE(saved.find("name=\"" + test::w("Скорость «ротора» — №1") + "\""), std::string::npos);
     }},
    {"UTF-8 profile with a character Windows-1251 lacks",
     [](const fs::path& home) {
         return "save " + quoted(kProfiles / "utf8-latin.xml") + " -o " + quoted(home / "out.xml");
     },
     1, "is UTF-8 text and holds the character 'é' (U+00E9) on line 6, which Windows-1251 cannot hold",
     [](const fs::path& home, const test::ProgramRun&) { EXPECT_FALSE(fs::exists(home / "out.xml")); }},
    {"read-only output",
     [](const fs::path& home) {
         const std::string profile = cleanProfile(home);
         test::writeFile(home / "out" / "vost.c", "old");
         fs::permissions(home / "out", static_cast<fs::perms>(0777));  // replacing it would be allowed
         fs::permissions(home / "out" / "vost.c", static_cast<fs::perms>(0444));
         test::giveToOrdinaryUser(home / "out" / "vost.c");
         return "generate " + profile + " -o " + quoted(home / "out" / "vost.c");
     },
     1, "Permission denied",
     [](const fs::path& home, const test::ProgramRun&) { EXPECT_EQ(test::readFile(home / "out" / "vost.c"), "old"); },
     true},
    {"output whose name takes nearly all a name may have",
     [](const fs::path& home) { return "eds " + cleanProfile(home) + " -o " + quoted(home / (std::string(246, 'e') + ".eds")); },
     0, "",
     [](const fs::path& home, const test::ProgramRun&) { EXPECT_TRUE(fs::exists(home / (std::string(246, 'e') + ".eds"))); }},
    {"profile named with a character Windows-1251 lacks",
     [](const fs::path& home) {
         cleanProfile(home);
         fs::rename(home / "clean.xml", home / "café.xml");
         return "eds " + quoted(home / "café.xml");
     },
     0, "",
     [](const fs::path& home, const test::ProgramRun&) {
         EXPECT_TRUE(fs::exists(home / "café.eds"));
         EXPECT_FALSE(fs::exists(home / "caf?.eds"));
     }},
    {"output through a link",
     [](const fs::path& home) {
         test::writeFile(home / "kept" / "real.xml", "old");
         fs::create_symlink("kept/real.xml", home / "link.xml");
         return "save " + cleanProfile(home) + " -o " + quoted(home / "link.xml");
     },
     0, "",
     [](const fs::path& home, const test::ProgramRun&) {
         EXPECT_TRUE(fs::is_symlink(home / "link.xml"));
         EXPECT_TRUE(test::readFile(home / "kept" / "real.xml").starts_with("<?xml"));
     }},
    {"export into a folder that does not exist",
     [](const fs::path& home) { return "export-texts " + quoted(home / "missing"); },
     1, "Не удалось записать в папку '",
     [](const fs::path&, const test::ProgramRun& run) {
         EXPECT_NE(run.err.find("': No such file or directory"), std::string::npos);
         EXPECT_EQ(run.err.find("could not be exported"), std::string::npos);  // the bases are fine
     }},
    {"profile too large for the memory left",
     [](const fs::path& home) {
         std::string objects;
         for (int i = 0; i < 200000; ++i) objects += test::objectElement("2000h.01h");
         test::writeFile(home / "huge.xml", test::profileFile(objects));
         return "check " + quoted(home / "huge.xml");
     },
     1, "Unable to allocate memory", {}, false, true},
};

class UnusualFiles : public ::testing::TestWithParam<Row> {};

TEST_P(UnusualFiles, ToldNeitherHungNorCrashed) {
    const Row& row = GetParam();
    std::string prefix = "timeout 120 ";
    if (row.needsMemoryLimit) {
#if defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "the address sanitizer cannot run under a limit of the address space";
#endif
        prefix = "ulimit -v 300000; " + prefix;
    }
    if (row.asOrdinaryUser && ::geteuid() == 0) prefix += "setpriv --reuid=65534 --regid=65534 --clear-groups ";

    const test::TempFolder home;
    fs::copy(DEMO_HOME_DIR, home.path(), fs::copy_options::recursive);
    fs::permissions(home.path(), static_cast<fs::perms>(0755));
    const std::string arguments = row.prepare(home.path());
    const test::ProgramRun run =
        test::runProgram(prefix + TABRIN_CLI_PATH + " --home " + quoted(home.path()) + " " + arguments);
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
    EXPECT_NE(run.err.find(row.inError), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("runtime error"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Sanitizer"), std::string::npos) << run.err;
    if (row.check) row.check(home.path(), run);
}

std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    std::string name;
    bool capital = true;
    for (const char c : std::string_view(info.param.name)) {
        if (c == ' ' || c == '-') {
            capital = true;
            continue;
        }
        name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        capital = false;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, UnusualFiles, ::testing::ValuesIn(kRows), rowName);

}  // namespace
}  // namespace tabrin
