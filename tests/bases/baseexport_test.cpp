// The base export file, its name, the folder argument and the export command.
#include <gtest/gtest.h>

#include "app/eventlog.h"
#include "bases/baseexport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::bases {
namespace {

using test::w;

TEST(BaseExport, FileName) {
    EXPECT_EQ(exportFileName(""), "coTextBase.xml");
    EXPECT_EQ(exportFileName("5C3E91D7"), "coTextBase_5C3E91D7.xml");
}

TEST(BaseExport, DocumentBytes) {
    TextBase texts;
    TextBaseElement start;
    start.id = start.textid = "3";
    start.trus = w("Пуск");
    start.text = w("Пуск");
    start.teng = "Start & go";
    start.sets = "0";
    TextBaseElement unbound = start;
    unbound.textid = "4";
    unbound.sets = "";
    texts.elements() = {start, unbound};

    SetBase sets;
    SetBaseElement onOff;
    onOff.id = "12";
    onOff.items = {{w("Выкл"), "", "", ""}, {w("Вкл"), "On", w("Вкл"), "On"}};
    SetBaseElement empty;
    empty.id = "13";
    sets.elements() = {onOff, empty};

    const auto time = std::chrono::system_clock::from_time_t(1700000000);
    int pending = 0;
    const std::string written = buildExportDocument(texts, sets, time, [&] { ++pending; }).createXMLString();
    EXPECT_EQ(written,
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
              "<root CreationDateTime=\"" + app::dateTimeText(time) + "\">\n"
              "\t<params>\n"
              "\t\t<param name=\"" + w("Пуск") + "\" ShortText=\"" + w("Пуск") +
                  "\" EngText=\"Start &amp; go\" textid=\"3\" sets=\"0\"/>\n"
              "\t\t<param name=\"" + w("Пуск") + "\" ShortText=\"" + w("Пуск") +
                  "\" EngText=\"Start &amp; go\" textid=\"4\" sets=\"-1\"/>\n"
              "\t</params>\n"
              "\t<enums>\n"
              "\t\t<enum id=\"12\">\n"
              "\t\t\t<text text_par=\"" + w("Выкл") + "\"/>\n"
              "\t\t\t<text text_par=\"" + w("Вкл@On@Вкл@On") + "\"/>\n"
              "\t\t</enum>\n"
              "\t\t<enum id=\"13\"/>\n"
              "\t</enums>\n"
              "</root>\n");
    EXPECT_EQ(pending, 4);

    const std::string emptyBases = buildExportDocument(TextBase(), SetBase(), time).createXMLString();
    EXPECT_NE(emptyBases.find("\t<params/>\n\t<enums/>\n</root>\n"), std::string::npos);
}

TEST(BaseExport, FolderArgument) {
    struct Row { const char* name; std::string argument; bool emptyMeansProgram; std::string expected; };
    const Row rows[] = {
        {"empty gives the program folder", "  ", true, "/opt/tabrin/"},
        {"empty gives nothing", "", false, ""},
        {"quoted drive path", " \"d:\\out\" ", true, "d:/out/"},
        {"relative", "out", true, "/opt/tabrin/out/"},
        {"relative with a leading backslash", "\\out\\", true, "/opt/tabrin/out/"},
        {"one character", "x", true, "/opt/tabrin/x/"},
        {"Linux absolute", "/tmp/out", true, "/tmp/out/"},
        {"nested relative", "a\\b", true, "/opt/tabrin/a/b/"},
        {"case and characters outside Windows-1251 kept", "\"/home/Jörg/Out\"", true, "/home/Jörg/Out/"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(normaliseFolderArgument(row.argument, row.emptyMeansProgram, "/opt/tabrin"), row.expected);
    }
}

// The switch is found in any case; the folder after it is taken as given.
TEST(BaseExport, SwitchOnTheCommandLine) {
    EXPECT_EQ(exportTextsArgument("-EXPORT-TEXTS \"D:\\Out\""), " \"D:\\Out\"");
    EXPECT_EQ(exportTextsArgument("-Export-Texts /home/Jörg/Out"), " /home/Jörg/Out");
    EXPECT_EQ(exportTextsArgument("-export-texts"), "");
    EXPECT_EQ(exportTextsArgument("profile.xml"), std::nullopt);
    EXPECT_EQ(exportTextsArgument("-export-text"), std::nullopt);
}

class ExportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        test::writeFile(TextBase::filePath(m_home.path()),
                        "<root><Texts><text_1 id=\"1\" textid=\"1\" trus=\"a\"/></Texts></root>");
        test::writeFile(SetBase::filePath(m_home.path()), "<root><Sets><set_5 id=\"5\"/></Sets></root>");
    }

    test::TempFolder m_home;
    test::ScriptedMessagePort m_port;
};

TEST_F(ExportCommand, WritesIntoTheFolderWithTheTokenOfTheSettings) {
    EXPECT_EQ(runExportTexts("", m_home.path(), m_port), ExportResult::Written);
    EXPECT_TRUE(std::filesystem::exists(m_home.path() / "coTextBase.xml"));

    test::writeFile(m_home.path() / "Tabrin4.INI", "[Options]\r\nVendorToken=5C3E91D7\r\n");
    std::filesystem::create_directory(m_home.path() / "out");
    EXPECT_EQ(runExportTexts("out", m_home.path(), m_port), ExportResult::Written);
    const std::string written = test::readFile(m_home.path() / "out" / "coTextBase_5C3E91D7.xml");
    EXPECT_NE(written.find("<param name=\"a\" ShortText=\"\" EngText=\"\" textid=\"1\" sets=\"-1\"/>"), std::string::npos);
    EXPECT_NE(written.find("<enum id=\"5\"/>"), std::string::npos);
    EXPECT_TRUE(m_port.asked().empty());
}

TEST_F(ExportCommand, HomeAndFolderOutsideWindows1251) {
    const std::filesystem::path home = m_home.path() / "Jörg";
    std::filesystem::create_directories(home / "xml_DB");
    std::filesystem::copy(TextBase::filePath(m_home.path()), TextBase::filePath(home));
    std::filesystem::copy(SetBase::filePath(m_home.path()), SetBase::filePath(home));
    std::filesystem::create_directory(home / "Ausgabe für Jörg");
    EXPECT_EQ(runExportTexts(" \"Ausgabe für Jörg\"", home, m_port), ExportResult::Written);
    EXPECT_TRUE(std::filesystem::exists(home / "Ausgabe für Jörg" / "coTextBase.xml"));
}

TEST_F(ExportCommand, NamesTheFolderThatCannotBeWritten) {
    const std::string folder = m_home.path().string() + "/out/";
    EXPECT_EQ(runExportTexts("out", m_home.path(), m_port), ExportResult::NotWritten);
    EXPECT_EQ(exitCode(ExportResult::NotWritten), 1);
    ASSERT_EQ(m_port.asked().size(), 1u);
    EXPECT_EQ(m_port.asked()[0].caption, test::w("Ошибка"));
    EXPECT_EQ(m_port.asked()[0].text,
              test::w("Не удалось записать в папку '" + folder + "': No such file or directory"));

    std::filesystem::create_directory(m_home.path() / "out");
    std::filesystem::create_directory(m_home.path() / "out" / "coTextBase.xml");
    EXPECT_EQ(runExportTexts("out", m_home.path(), m_port), ExportResult::NotWritten);
    ASSERT_EQ(m_port.asked().size(), 2u);
    EXPECT_EQ(m_port.asked()[1].text,
              test::w("Не удалось записать файл '" + folder + "coTextBase.xml': Is a directory"));
}

TEST_F(ExportCommand, FailsWithoutABaseOrWithAnUnreadableOne) {
    std::filesystem::remove(SetBase::filePath(m_home.path()));
    EXPECT_EQ(runExportTexts("", m_home.path(), m_port), ExportResult::BasesUnread);
    EXPECT_EQ(exitCode(ExportResult::BasesUnread), 1);
    EXPECT_FALSE(std::filesystem::exists(m_home.path() / "coTextBase.xml"));

    test::writeFile(SetBase::filePath(m_home.path()), "<root><Sets>");
    EXPECT_EQ(runExportTexts("", m_home.path(), m_port), ExportResult::BasesUnread);
    EXPECT_FALSE(std::filesystem::exists(m_home.path() / "coTextBase.xml"));
    EXPECT_EQ(m_port.asked().size(), 1u);
}

}  // namespace
}  // namespace tabrin::bases
