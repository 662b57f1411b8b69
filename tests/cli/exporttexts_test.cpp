// Both programs' base export, run as a user runs them, on a copy of the demo home.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/tempfolder.h"

namespace tabrin {
namespace {

int run(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ExportTextsProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
        std::filesystem::create_directory(m_out.path() / "out");
    }

    std::string env() const { return "TABRIN_HOME='" + m_home.path().string() + "' SOURCE_DATE_EPOCH=0 "; }
    std::filesystem::path exported() const { return m_out.path() / "out" / "coTextBase.xml"; }

    test::TempFolder m_home;
    test::TempFolder m_out;
};

TEST_F(ExportTextsProgram, BothProgramsWriteTheSameFile) {
    const std::string folder = (m_out.path() / "out").string();
    ASSERT_EQ(run(env() + TABRIN_GUI_PATH " -EXPORT-TEXTS \"" + folder + "\""), 0);
    const std::string byProgram = test::readFile(exported());
    EXPECT_EQ(byProgram.rfind("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root CreationDateTime=\"", 0), 0u);
    std::filesystem::remove(exported());

    ASSERT_EQ(run(env() + TABRIN_CLI_PATH " export-texts '" + folder + "'"), 0);
    EXPECT_EQ(test::readFile(exported()), byProgram);
}

// The switch in any case; the folder keeps its case and its characters outside Windows-1251, and
// so does the home.
TEST_F(ExportTextsProgram, FolderAndHomeAsTheFileSystemNamesThem) {
    const std::filesystem::path home = m_out.path() / "Jörg" / "Tabrin";
    std::filesystem::create_directories(home);
    std::filesystem::copy(DEMO_HOME_DIR, home, std::filesystem::copy_options::recursive);
    const std::filesystem::path folder = m_out.path() / "Jörg" / "Out";
    std::filesystem::create_directory(folder);
    const std::string env = "TABRIN_HOME='" + home.string() + "' SOURCE_DATE_EPOCH=0 ";
    ASSERT_EQ(run(env + TABRIN_GUI_PATH " -Export-Texts '" + folder.string() + "'"), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "coTextBase.xml"));
    EXPECT_FALSE(std::filesystem::exists(m_out.path() / "jörg"));
}

TEST_F(ExportTextsProgram, EmptyFolderMeansTheHome) {
    ASSERT_EQ(run(env() + TABRIN_GUI_PATH " -export-texts"), 0);
    EXPECT_TRUE(std::filesystem::exists(m_home.path() / "coTextBase.xml"));
}

TEST_F(ExportTextsProgram, MissingBaseFailsAndWritesNothing) {
    std::filesystem::remove(m_home.path() / "xml_DB" / "SetBase.xml");
    const std::string folder = (m_out.path() / "out").string();
    EXPECT_EQ(run(env() + TABRIN_GUI_PATH " -export-texts " + folder), 1);
    EXPECT_EQ(run(env() + TABRIN_CLI_PATH " export-texts " + folder), 1);
    EXPECT_FALSE(std::filesystem::exists(exported()));
}

TEST_F(ExportTextsProgram, CommandLineToolUsage) {
    EXPECT_EQ(run(TABRIN_CLI_PATH), 2);
    EXPECT_EQ(run(TABRIN_CLI_PATH " frobnicate"), 2);
    EXPECT_EQ(run(TABRIN_CLI_PATH " --lang de export-texts"), 2);
    EXPECT_EQ(run(TABRIN_CLI_PATH " export-texts a b"), 2);
    EXPECT_EQ(run(TABRIN_CLI_PATH " --help"), 0);
    EXPECT_EQ(run(std::string(TABRIN_CLI_PATH) + " --home '" + m_home.path().string() + "' export-texts"), 0);
}

}  // namespace
}  // namespace tabrin
