// The C file section by section: header, counts, the variable, index, group and callback tables,
// the memory layout, the first entries of the index ranges and the names of each CAN module.
#include <gtest/gtest.h>

#include "app/version.h"
#include "generators/canmodule.h"
#include "generators/controllerfile.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::linesOf;
using test::Obj;
using test::section;
using test::w;

class CFileTest : public test::GeneratorTest {
protected:
    std::vector<std::string> generate() {
        const ControllerFile file = generateControllerFile(m_profile, context());
        EXPECT_EQ(file.status, GenerationStatus::Generated) << file.error;
        return linesOf(file.text);
    }

    // The value of "Uint16 const NAME = VALUE;".
    static std::string constant(const std::vector<std::string>& lines, const std::string& name) {
        const std::string start = "Uint16 const " + name + " = ";
        for (const std::string& line : lines) {
            if (line.starts_with(start)) return line.substr(start.size(), line.size() - start.size() - 1);
        }
        return "(missing)";
    }
};

TEST_F(CFileTest, HeaderAndCounts) {
    setObjects({Obj("1000h", "00h").standard("32"), Obj("1018h", "00h").root(), Obj("1018h", "01h").standard("32")});
    const std::vector<std::string> lines = generate();
    const std::vector<std::string> expected = {
        w("// Файл: "),
        w("// Профиль: ") + m_profile.path,
        w("// Конфигурация: Базовый профиль"),
        w("// Дата создания: ") + creationTime(),
        w("// Пользователь: Петров"),
        "// " + app::programTitle(),
        "#include \"DSP.h\"",
        "#include \"main.h\"",
        "#include \"vost.h\"",
        "#include \"co_ODvars.h\"",
        "",
        w("// всего 2 индексов в словаре"),
        w("// всего 3 элементов в словаре"),
        "Uint16 const co_numOfInd = 2;",
        w("// Номер перечесления для групп"),
        "Uint16 const co_groupEnum = 20;",
        w("// Хэш-сумма:"),
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
    EXPECT_TRUE(lines[expected.size()].starts_with("Uint32 const co_odHash[4] = {0x"));
}

TEST_F(CFileTest, CortexM3Includes) {
    m_profile.settings.M3Includes = true;
    setObjects({Obj("1000h", "00h").standard("32")});
    const std::vector<std::string> lines = generate();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "#include \"main_M3.h\""), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "#include \"DSP.h\""), 0);
}

TEST_F(CFileTest, EmptyViewGivesEmptyTablesAndZeroFirstEntries) {
    setObjects({});
    const std::vector<std::string> lines = generate();
    EXPECT_EQ(constant(lines, "co_numOfInd"), "1");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), w("// всего 0 элементов в словаре")), 1);
    EXPECT_EQ(section(lines, "long const OD_TBL3[] = {"), (std::vector<std::string>{"long const OD_TBL3[] = {", "};"}));
    EXPECT_EQ(section(lines, "int16 const OD_TBL1[] = { "), (std::vector<std::string>{"int16 const OD_TBL1[] = { ", "};"}));
    for (int range = 1; range <= 6; ++range) {
        EXPECT_EQ(constant(lines, "co_first" + std::to_string(range) + "000"), "0") << range;
    }
}

TEST_F(CFileTest, FirstEntriesOfTheIndexRanges) {
    setObjects({
        Obj("1000h", "00h").standard("32"), Obj("1018h", "00h").root(), Obj("1018h", "01h").standard("32"),
        Obj("2000h", "00h").standard("16"), Obj("2001h", "00h").standard("16"),
    });
    std::vector<std::string> lines = generate();
    // Four indexes: rows 0 and 1 in range 1, rows 2 and 3 in range 2; later ranges point at the last row.
    const std::vector<std::string> expected = {"0", "4", "6", "6", "6", "6"};
    for (int range = 1; range <= 6; ++range) {
        EXPECT_EQ(constant(lines, "co_first" + std::to_string(range) + "000"), expected[range - 1]) << range;
    }

    setObjects({Obj("1000h", "00h").standard("32"), Obj("3000h", "00h").standard("16"), Obj("6000h", "00h").standard("16")});
    lines = generate();
    const std::vector<std::string> gaps = {"0", "2", "2", "4", "4", "4"};
    for (int range = 1; range <= 6; ++range) {
        EXPECT_EQ(constant(lines, "co_first" + std::to_string(range) + "000"), gaps[range - 1]) << range;
    }
}

TEST_F(CFileTest, IndexTableListsEveryIndexWithItsRecord) {
    setObjects({
        Obj("1018h", "00h").root(), Obj("1018h", "01h").standard("32"), Obj("1018h", "02h").standard("32"),
        Obj("2000h", "00h").access("Editable").standard("16").values("1", "0", "5"),
    });
    EXPECT_EQ(section(generate(), "int16 const OD_TBL1[] = { "),
              (std::vector<std::string>{"int16 const OD_TBL1[] = { ", "4120, 0,", "8192, 9,", "};"}));
}

TEST_F(CFileTest, MemoryLayoutOfASingleModuleWithoutStoredParameters) {
    setObjects({Obj("1000h", "00h").standard("32")});
    const std::vector<std::string> lines = generate();
    int offset = 0;
    for (int range = 1; range <= 6; ++range) {
        SCOPED_TRACE(range);
        const std::string prefix = "co_SPIrange" + std::to_string(range);
        EXPECT_EQ(constant(lines, prefix + "rw"), std::to_string(offset));
        EXPECT_EQ(constant(lines, prefix + "rwCRC"), std::to_string(offset));
        EXPECT_EQ(constant(lines, prefix + "rwp"), std::to_string(offset + 2));
        EXPECT_EQ(constant(lines, prefix + "rwpCRC"), std::to_string(offset + 2));
        EXPECT_EQ(constant(lines, prefix + "rwps"), std::to_string(offset + 4));
        EXPECT_EQ(constant(lines, prefix + "rwpsCRC"), std::to_string(offset + 4));
        offset += 6;
    }
}

TEST_F(CFileTest, MemoryLayoutOfTheSecondModuleStartsAtItsAddresses) {
    m_profile.settings.prefix = 2;
    m_profile.settings.AddrUser2 = "CO1_SPI_START_ADDR";
    setObjects({
        Obj("2000h", "00h").access("Editable").standard("32").values("1", "0", "9"),
        Obj("3000h", "00h").access("Protected").standard("16").values("1", "0", "9"),
    });
    const std::vector<std::string> lines = generate();
    EXPECT_EQ(constant(lines, "co2_SPIrange1rw"), "CO2_SPI_START_ADDR+0");
    EXPECT_EQ(constant(lines, "co2_SPIrange2rw"), "CO2_SPI_START_ADDR+6");
    EXPECT_EQ(constant(lines, "co2_SPIrange2rwCRC"), "CO2_SPI_START_ADDR+10") << "4 bytes of 2000h";
    EXPECT_EQ(constant(lines, "co2_SPIrange3rw"), "CO1_SPI_START_ADDR+16");
    EXPECT_EQ(constant(lines, "co2_SPIrange3rwpCRC"), "CO1_SPI_START_ADDR+20") << "2 bytes of 3000h";
}

struct ModuleRow {
    int module;
    std::vector<std::string> lines;  // each must be in the file
};

TEST_F(CFileTest, NamesOfEachCanModule) {
    const ModuleRow rows[] = {
        {0, {"#include \"vost.h\"", "Uint16 const co_numOfInd = 1;", "long const OD_TBL3[] = {", "Uint16 const OD_TBL2[] = {",
             "int16 const OD_TBL1[] = { ", "Uint16 const TYPE_DEF_TABLE[] = {", "long const OD_CALLBACK_TBL[]={",
             "long const CO_LINKS[]={(long)&co_numOfInd,", "                        (long)&CO_OD_TBL1,",
             "                        (long)&co_first6000",
             "STATIC_ASSERT(((sizeof(CO_LINKS)/sizeof(CO_LINKS[0])) == (VOST_LINKS__6000 + 1)),m);"}},
        {1, {"#include \"vost1.h\"", "Uint16 const co1_numOfInd = 1;", "Uint16 const co1_groupEnum = 20;",
             "long const CO1_OD_TBL3[] = {", "Uint16 const CO1_OD_TBL2[] = {", "int16 const CO1_OD_TBL1[] = { ",
             "Uint16 const CO1_TYPE_DEF_TABLE[] = {", "long const CO1_OD_CALLBACK_TBL[]={",
             "long const CO1_LINKS[]={(long)&co1_numOfInd,", "                        (long)&CO1_OD_CALLBACK_TBL,",
             "                        (long)&co1_SPIrange6rwpsCRC,", "                        (long)&co1_first5000"}},
        {2, {"#include \"vost2.h\"", "Uint32 const co2_odHash[4] = {", "long const CO2_OD_TBL3[] = {",
             "long const CO2_LINKS[]={(long)&co2_numOfInd,",
             "STATIC_ASSERT(((sizeof(CO2_LINKS)/sizeof(CO2_LINKS[0])) == (VOST_LINKS__5000 + 1)),m);"}},
    };
    setObjects({Obj("1000h", "00h").standard("32")});
    for (const ModuleRow& row : rows) {
        SCOPED_TRACE(row.module);
        m_profile.settings.prefix = row.module;
        const std::vector<std::string> lines = generate();
        for (const std::string& expected : row.lines) {
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(expected); }))
                << expected;
        }
    }
}

TEST_F(CFileTest, LinkBlockEntries) {
    setObjects({});
    const std::vector<std::string> lines = generate();
    const std::vector<std::string> block = section(lines, "#if defined(VOST_LINKS__6000)", "#endif");
    ASSERT_FALSE(block.empty());
    // The opening line holds one entry; the other entries are indented by 24 blanks.
    const auto entriesOf = [&](const std::vector<std::string>& variant) {
        const std::vector<std::string> entries = section(variant, "long const CO_LINKS[]={(long)&co_numOfInd,");
        return 1 + std::count_if(entries.begin(), entries.end(),
                                 [](const std::string& l) { return l.starts_with(std::string(24, ' ') + "(long)&"); });
    };
    EXPECT_EQ(entriesOf(block), 1 + 5 + 36 + 6);
    const std::vector<std::string> fiveRanges = section(block, "#elif defined(VOST_LINKS__5000)", "#endif");
    EXPECT_EQ(entriesOf(fiveRanges), 1 + 5 + 30 + 5);
    EXPECT_EQ(fiveRanges.at(fiveRanges.size() - 2),
              "STATIC_ASSERT(((sizeof(CO_LINKS)/sizeof(CO_LINKS[0])) == (VOST_LINKS__5000 + 1)),m);");
    EXPECT_EQ(lines.back(), "#endif");
}

struct VariableRow {
    int module;
    const char* addr;
    const char* written;
};

TEST_F(CFileTest, VariablesRenamedForTheCanModule) {
    const VariableRow rows[] = {
        {0, "co_nodeID", "co_nodeID"},
        {0, "coX_Speed", "coX_Speed"},
        {1, "co_nodeID", "co1_vars.co_nodeID"},
        {1, "co_scale[2].value", "co1_vars.co_scale[2].value"},
        {1, "coX_Speed", "co1_Speed"},
        {2, "coX_Speed", "co2_Speed"},
        {2, "Motor.Unom", "Motor.Unom"},
        {2, "cox_Speed", "cox_Speed"},
    };
    for (const VariableRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.module) + " " + row.addr);
        m_profile.settings.prefix = row.module;
        setObjects({Obj("2000h", "00h").standard("16").addr(row.addr)});
        const std::vector<std::string> table = section(generate(), "long const");
        ASSERT_EQ(table.size(), 3u);
        EXPECT_TRUE(table[1].starts_with("(long)(&" + std::string(row.written) + "),\t//[2000h.00h]")) << table[1];
    }
}

TEST_F(CFileTest, VariableLineNamesGroupAndBits) {
    setObjects({
        Obj("2000h", "00h").root(),
        Obj("2000h", "01h").standard("16").addr("Speed").names(w("Скорость"), "Speed").text("5", w("Скор")).group("0"),
        Obj("2000h", "02h").bits(4, 3).addr("Status").names("", "Status word").text("6", "St"),
        Obj("2001h", "00h").standard("16").addr("Other").group("9"),
        Obj("2002h", "00h").standard("16").addr("Third").group("x"),
    });
    // Members take their root's group; 2000h has none and counts as group 0.
    m_profile.view()[0]->group = "1";
    editing::fillView(m_profile, m_texts);
    const std::vector<std::string> table = section(generate(), "long const");
    ASSERT_EQ(table.size(), 6u);
    EXPECT_EQ(table[1], w("(long)(&Speed),\t//[2000h.01h], Название: Скорость, ТекстПУ: Скор, Группа: Двигатель"));
    EXPECT_EQ(table[2], w("(long)(&Status),\t//[2000h.02h], Название: Status word, ТекстПУ: St, Группа: Двигатель, "
                          "биты с 4 по 6: 0000000001110000b"));
    EXPECT_EQ(table[3], w("(long)(&Other),\t//[2001h.00h], Название: , ТекстПУ: , Группа: НЕТ ТЕКСТА ГРУППЫ"));
    EXPECT_EQ(table[4], w("(long)(&Third),\t//[2002h.00h], Название: , ТекстПУ: , Группа: Общие"));
}

TEST_F(CFileTest, EnglishInterfaceWritesEnglishNamesAndGroups) {
    m_language = app::Language::English;
    setObjects({
        Obj("2000h", "00h").standard("16").addr("A").names(w("Скорость"), "Speed").group("2"),
        Obj("2001h", "00h").standard("16").addr("B").names(w("Ток"), "").group("1"),
    });
    const std::vector<std::string> table = section(generate(), "long const");
    ASSERT_EQ(table.size(), 4u);
    EXPECT_NE(table[1].find(w("Название: Speed, ТекстПУ: , Группа: Link")), std::string::npos) << table[1];
    EXPECT_NE(table[2].find(w("Название: Ток, ТекстПУ: , Группа: Motor")), std::string::npos) << table[2];
}

TEST_F(CFileTest, GroupTableOfGroupNumbers) {
    setObjects({
        Obj("2000h", "00h").standard("16").group("7"), Obj("2001h", "00h").standard("16").group(""),
        Obj("2002h", "00h").root().group("3"), Obj("2002h", "01h").standard("16"),
    });
    EXPECT_EQ(section(generate(), "Uint16 const TYPE_DEF_TABLE[] = {"),
              (std::vector<std::string>{"Uint16 const TYPE_DEF_TABLE[] = {", "    (Uint16)5,\\", "    (Uint16)0,\\",
                                        "    (Uint16)1,\\", "};"}));
}

TEST_F(CFileTest, OldGroupTableOfMasks) {
    m_profile.settings.old_groups = true;
    setObjects({
        Obj("2000h", "00h").standard("16").group("1", "5/2"), Obj("2001h", "00h").standard("16").group("1", "2"),
        Obj("2002h", "00h").standard("16").group("1", "9"), Obj("2003h", "00h").standard("16").group("1", ""),
    });
    EXPECT_EQ(section(generate(), "Uint16 const TYPE_DEF_TABLE[] = {"),
              (std::vector<std::string>{"Uint16 const TYPE_DEF_TABLE[] = {", " 3,\\", " 1,\\", " 4,\\", " 0,\\", "};"}));
}

TEST_F(CFileTest, OldGroupTableKeepsTheFirstSixteenGroups) {
    m_profile.settings.old_groups = true;
    std::vector<model::DictObject> objects;
    std::string all;
    for (int group = 40; group >= 23; --group) all += (all.empty() ? "" : "/") + std::to_string(group);
    objects.push_back(Obj("2000h", "00h").standard("16").group("1", all));  // 40 down to 23: 40..25 are kept
    objects.push_back(Obj("2001h", "00h").standard("16").group("1", "23/25"));
    setObjects(objects);
    const std::vector<std::string> table = section(generate(), "Uint16 const TYPE_DEF_TABLE[] = {");
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[1], " 65535,\\");
    EXPECT_EQ(table[2], " 1,\\") << "25 is the smallest kept group; 23 came too late";
}

TEST_F(CFileTest, OldGroupListThatIsNoNumberFailsTheGeneration) {
    m_profile.settings.old_groups = true;
    m_profile.settings.GenVostCToFolder = true;
    m_profile.settings.VostCFolder = ".";
    std::filesystem::create_directories(folder() / "profiles");
    setObjects({Obj("2000h", "00h").standard("16").group("1", "5/x")});
    const ControllerFile file = generateControllerFile(m_profile, context());
    EXPECT_EQ(file.status, GenerationStatus::Failed);
    EXPECT_TRUE(file.text.empty());
    EXPECT_NE(file.error.find("'x'"), std::string::npos) << file.error;
    EXPECT_NE(file.error.find("2000h.00h"), std::string::npos) << file.error;
    EXPECT_FALSE(std::filesystem::exists(folder() / "profiles" / "vost.c"));
}

TEST_F(CFileTest, CallbackTable) {
    const std::pair<int, const char*> rows[] = {{0, "co_changed"}, {1, "co1_changed"}, {2, "co2_changed"}};
    setObjects({
        Obj("2000h", "00h").standard("16"), Obj("2001h", "00h").root().callback("co_changed"),
        Obj("2001h", "01h").standard("16").callback("co_ignored"), Obj("2002h", "00h").standard("16").callback("Reinit"),
    });
    for (const auto& [module, routine] : rows) {
        SCOPED_TRACE(module);
        const std::vector<std::string> expected = {"0, // 2000h.00h",
                                                   "(long)((void(*)(long))" + std::string(routine) + "), // 2001h.00h",
                                                   "(long)((void(*)(long))Reinit), // 2002h.00h"};
        m_profile.settings.prefix = module;
        const std::string table = std::string(canModuleNames(module).table) + "OD_CALLBACK_TBL[]={";
        std::vector<std::string> lines = section(generate(), "long const " + table);
        ASSERT_EQ(lines.size(), expected.size() + 2);
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end() - 1), expected);
    }
}

}  // namespace
}  // namespace tabrin::generators
