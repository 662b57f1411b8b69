// The panel commands of the command-line tool, run as a user runs them on a copy of the demo home;
// the C files they make are compiled with the system C compiler and read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/cp1251.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "panel/ctextforms.h"
#include "panel/workingsets.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin {
namespace {

using test::w;

int run(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// What the firmware provides around the panel files.
constexpr std::string_view kStubHeader =
    "typedef unsigned short Uint16;\n"
    "extern char addr[];\n"
    "void out_dec_unsigned(Uint16 value, Uint16 width, Uint16 flags);\n"
    "Uint16 EnumVarsCounter(Uint16 EnumNumber);\n";

class PanelCommands : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(DEMO_HOME_DIR, m_home.path(), std::filesystem::copy_options::recursive);
    }

    // Runs the tool with its output and errors kept in files of the work folder.
    int cli(const std::string& arguments) {
        return run("TABRIN_HOME=" + quoted(m_home.path()) + " SOURCE_DATE_EPOCH=0 " TABRIN_CLI_PATH " " + arguments +
                   " >" + quoted(outFile()) + " 2>" + quoted(errFile()));
    }
    std::filesystem::path outFile() const { return m_work.path() / "stdout"; }
    std::filesystem::path errFile() const { return m_work.path() / "stderr"; }
    std::filesystem::path demoProfile() const { return m_home.path() / "profiles" / "demo_drive.xml"; }

    // The demo profile's texts and enumerations as the tool's defaults choose them.
    panel::PanelWorkingSets demoWorkingSets() {
        app::Translator translator;
        test::ScriptedMessagePort port;
        bases::SetBase sets;
        EXPECT_TRUE(sets.load(bases::SetBase::filePath(m_home.path()), port));
        const auto working = panel::buildWorkingSets({demoProfile().string()}, {}, true,
                                                     bases::TextBase::filePath(m_home.path()), sets,
                                                     app::Language::Russian, port, translator, {});
        EXPECT_TRUE(working);
        EXPECT_TRUE(port.asked().empty());
        return working.value_or(panel::PanelWorkingSets{});
    }

    test::TempFolder m_home;
    test::TempFolder m_work;
};

// A program that prints every text of the texts array by number, then every item of each
// enumeration, and counts the items FindEnum does not return.
std::string decoderSource(bool packed, const panel::PanelWorkingSets& working) {
    std::string source =
        "#include <stdio.h>\n#include \"panel_texts.h\"\n"
        "char addr[16];\n"
        "void out_dec_unsigned(Uint16 value, Uint16 width, Uint16 flags) { (void)value; (void)width; (void)flags; }\n"
        "Uint16 EnumVarsCounter(Uint16 EnumNumber) { (void)EnumNumber; return 0xFFFF; }\n"
        "static int mismatches = 0;\n"
        "static void printSet(Uint16 number, const char* const* items) {\n"
        "    for (Uint16 i = 0; items[i][0] != 1; ++i) {\n"
        "        printf(\"%s\\n\", items[i]);\n"
        "        if (items[i][0] != 0 && FindEnum(number, i) != items[i]) ++mismatches;\n"
        "    }\n"
        "    printf(\"--\\n\");\n"
        "}\n"
        "int main(void) {\n"
        "    printf(\"%u\\n\", (unsigned)TextCounter);\n";
    source += packed ? "    const Uint16* word = texts_texts;\n"
                       "    for (unsigned i = 0; i <= TextCounter; ++i, ++word) {\n"
                       "        for (; *word != 0; ++word) {\n"
                       "            putchar(*word & 0xFF);\n"
                       "            if (*word >> 8) putchar(*word >> 8);\n"
                       "        }\n"
                       "        putchar('\\n');\n"
                       "    }\n"
                     : "    for (unsigned i = 0; i <= TextCounter; ++i) printf(\"%s\\n\", texts_texts[i]);\n";
    for (const panel::PanelEnumeration& enumeration : working.enumerations) {
        const std::string number = std::to_string(enumeration.number);
        source += "    printSet(" + number + ", texts_enum" + number + ");\n";
    }
    return source + "    printf(\"%d\\n\", mismatches);\n    return 0;\n}\n";
}

// What the decoder prints when the file holds the working sets exactly.
std::string expectedDecoding(const panel::PanelWorkingSets& working) {
    const int greatest = working.texts.back().number;
    std::vector<std::string> byNumber(static_cast<std::size_t>(greatest) + 1);
    for (const panel::PanelText& text : working.texts) {
        byNumber[static_cast<std::size_t>(text.number)] =
            panel::withQuotesHandled(text.text) + (text.isBound() ? panel::enumerationReference(text.setNumber) : "");
    }
    std::string expected = std::to_string(greatest) + "\n";
    for (const std::string& text : byNumber) expected += text + "\n";
    for (const panel::PanelEnumeration& enumeration : working.enumerations) {
        for (const std::string& item : enumeration.itemTexts) expected += panel::withQuotesHandled(item) + "\n";
        expected += "--\n";
    }
    return expected + "0\n";
}

TEST_F(PanelCommands, DemoFilesCompileAndHoldTheDemoTexts) {
    const panel::PanelWorkingSets working = demoWorkingSets();
    ASSERT_FALSE(working.texts.empty());
    ASSERT_FALSE(working.enumerations.empty());
    for (const int type : {2, 3, 4}) {
        SCOPED_TRACE("type " + std::to_string(type));
        const std::filesystem::path folder = m_work.path() / ("type" + std::to_string(type));
        test::writeFile(folder / "stub.h", kStubHeader);
        ASSERT_EQ(cli("panel-header --type " + std::to_string(type) + " --include '\"stub.h\"' -o " +
                      quoted(folder / "panel_texts.h")),
                  0);
        ASSERT_EQ(cli("panel-texts --type " + std::to_string(type) + " --include '\"panel_texts.h\"' -o " +
                      quoted(folder / "texts.c") + " " + quoted(demoProfile())),
                  0);
        test::writeFile(folder / "decoder.c", decoderSource(type == 3, working));
        const std::string compiler = "cd " + quoted(folder) + " && cc -std=c99 -Wall -Wextra -Werror ";
        ASSERT_EQ(run(compiler + "-c texts.c -o texts.o 2>compiler.log"), 0) << test::readFile(folder / "compiler.log");
        ASSERT_EQ(run(compiler + "decoder.c texts.o -o decoder 2>>compiler.log"), 0)
            << test::readFile(folder / "compiler.log");
        ASSERT_EQ(run("cd " + quoted(folder) + " && ./decoder >decoded"), 0);
        EXPECT_EQ(test::readFile(folder / "decoded"), expectedDecoding(working));
    }
}

TEST_F(PanelCommands, TextsOnStandardOutputAreTheFileBytes) {
    for (const char* type : {"0", "1", "2", "3", "4"}) {
        SCOPED_TRACE(type);
        const std::filesystem::path file = m_work.path() / "texts.out";
        ASSERT_EQ(cli(std::string("panel-texts --type ") + type + " -o " + quoted(file) + " " + quoted(demoProfile())),
                  0);
        ASSERT_EQ(cli(std::string("panel-texts --type ") + type + " " + quoted(demoProfile())), 0);
        EXPECT_EQ(test::readFile(outFile()), test::readFile(file));
        EXPECT_TRUE(test::readFile(file).ends_with("\r\n"));
    }
}

TEST_F(PanelCommands, MissingTextFailsAndWritesNothing) {
    const std::filesystem::path profile = m_work.path() / "missing.xml";
    test::writeFile(profile, "<root><dictionary_settings group_set=\"20\"/><Indexes>"
                             "<obj_2000h.00h><text textID=\"999\"/></obj_2000h.00h></Indexes></root>");
    const std::filesystem::path file = m_work.path() / "texts.c";
    EXPECT_EQ(cli("panel-texts --type 2 -o " + quoted(file) + " " + quoted(demoProfile()) + " " + quoted(profile)), 1);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_NE(test::readFile(errFile()).find("В базе текстов отсутствует текст №999"), std::string::npos);
}

TEST_F(PanelCommands, Encode) {
    ASSERT_EQ(cli("panel-encode 'Пуск'"), 0);
    EXPECT_EQ(test::readFile(outFile()),
              w("    .word    115*256+78    ; Пуск\r\n    .word    106*256+113    ; ск\r\n"));
    ASSERT_EQ(cli("panel-encode ''"), 0);
    EXPECT_EQ(test::readFile(outFile()), "");
}

TEST_F(PanelCommands, Usage) {
    const std::string profile = quoted(demoProfile());
    const struct {
        const char* name;
        std::string arguments;
    } cases[] = {
        {"type required", "panel-texts " + profile},
        {"type out of range", "panel-texts --type 5 " + profile},
        {"no such enumeration kind", "panel-texts --type 2 --enums 2 " + profile},
        {"no such text kind", "panel-texts --type 2 --texts 3 " + profile},
        {"no profile", "panel-texts --type 2"},
        {"unknown option", "panel-texts --type 2 --frob " + profile},
        {"contradicting flags", "panel-texts --type 2 --use-other --no-use-other " + profile},
        {"option given twice", "panel-texts --type 2 --type 3 " + profile},
        {"header takes no profile", "panel-header --type 2 " + profile},
        {"header type required", "panel-header"},
        {"encode takes one text", "panel-encode a b"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(cli(row.arguments), 2);
        EXPECT_FALSE(test::readFile(errFile()).empty());
    }
}

}  // namespace
}  // namespace tabrin
