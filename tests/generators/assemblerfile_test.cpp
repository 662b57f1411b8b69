// The assembler file for the x24 processors: search-table labels, records with described words,
// value lines as stored, group padding, memory layout and the file saved in the program's folder.
#include <gtest/gtest.h>

#include "generators/controllerfile.h"
#include "generators/savedfile.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::linesOf;
using test::Obj;
using test::section;
using test::w;

class AssemblerFileTest : public test::GeneratorTest {
protected:
    AssemblerFileTest() { m_profile.settings.proc_series = model::ProcessorSeries::Assembler; }

    std::vector<std::string> generate() {
        const ControllerFile file = generateControllerFile(m_profile, context());
        EXPECT_EQ(file.status, GenerationStatus::Generated) << file.error;
        return linesOf(file.text);
    }

    static std::vector<std::string> labels(const std::vector<std::string>& lines) {
        std::vector<std::string> found;
        for (const std::string& line : section(lines, "co_firstODTbl:", "co_firstEnd:")) {
            if (line.starts_with("co_first") || line.starts_with("    .word 0")) found.push_back(line);
        }
        return found;
    }
};

TEST_F(AssemblerFileTest, SearchTableLabelsEveryRangeUpToTheFifth) {
    setObjects({Obj("1000h", "00h").standard("32"), Obj("1018h", "00h").standard("32"), Obj("2000h", "00h").standard("16")});
    EXPECT_EQ(labels(generate()),
              (std::vector<std::string>{"co_firstODTbl:", "co_first1000:", w("    .word 01000h; индекс"),
                                        w("    .word 01018h; индекс"), "co_first2000:", w("    .word 02000h; индекс"),
                                        "co_first3000:", "co_first4000:", "co_first5000:", "co_firstEnd:"}));
}

TEST_F(AssemblerFileTest, NoLabelsAfterAnIndexOfTheSixthRange) {
    setObjects({Obj("1000h", "00h").standard("32"), Obj("6000h", "00h").standard("16")});
    EXPECT_EQ(labels(generate()),
              (std::vector<std::string>{"co_firstODTbl:", "co_first1000:", w("    .word 01000h; индекс"), "co_first2000:",
                                        "co_first3000:", "co_first4000:", "co_first5000:", "co_first6000:",
                                        w("    .word 06000h; индекс"), "co_firstEnd:"}));
}

TEST_F(AssemblerFileTest, RecordsWithDescriptionsAndStoredValues) {
    setObjects({
        Obj("2000h", "00h").root().text("10", "Grp").names(w("Группа"), "Group"),
        Obj("2000h", "01h").standard("16").text("11", "A").addr("Shown"),
        Obj("2000h", "02h").access("Editable").standard("32").values("1000h;x", "0", "FFFFh").text("12", "B").addr("Big"),
        Obj("2001h", "00h").access("Editable").bits(0, 4).values("3", "0", "15").text("13", "C").addr("Flags"),
    });
    const std::vector<std::string> records = section(generate(), "co_secondODTbl:", "");
    const std::vector<std::string> expected = {
        "co_secondODTbl:",
        w("_co_data02000h: ;индекс"),
        w("    .word 2    ; Параметр является корневым в группе под-индексов."),
        w("    .word 10    ; ТекстПУ=Grp, Название=Группа, EngText=Group"),
        "    .word 7    ; Size",
        w("    ; 2 под-индексов"),
        w("    .word ") + std::to_string(0x0A80) + w("    ; Наблюдаемый числовой стандартный беззнаковый 16-разрядный параметр."),
        "    .word 11    ; A",
        "    .ref Shown",
        "    .word Shown",
        "    .word 0000h ; dummy", "    .word 0000h ; dummy", "    .word 0000h ; dummy",
        "    .word 0000h ; dummy", "    .word 0000h ; dummy", "    .word 0000h ; dummy",
        w("    .word ") + std::to_string(0x4C00) + w("    ; Редактируемый числовой стандартный беззнаковый 32-разрядный параметр."),
        "    .word 12    ; B",
        "    .ref Big",
        "    .word Big",
        "    .word 1000h;x    ; Default",
        "    .word 1000h;x/65536    ; Default High",
        "    .word 0    ; Min",
        "    .word 0/65536    ; Min High",
        "    .word FFFFh    ; Max",
        "    .word FFFFh/65536    ; Max High",
        w("_co_data02001h: ;индекс"),
        w("    .word ") + std::to_string(0x6240) +
            w("    ; Редактируемый битовый параметр со значениями, отображаемыми в десятичной системе счисления. "
              "Параметр содержит 4 бита, начиная с 0-ого бита."),
        "    .word 13    ; C",
        "    .ref Flags",
        "    .word Flags",
        "    .word 3+256*15    ; Default",
        "",
    };
    EXPECT_EQ(records, expected);
}

TEST_F(AssemblerFileTest, HeaderIncludeAndCount) {
    m_profile.settings.Vost_inc = true;
    setObjects({Obj("1000h", "00h").standard("32")});
    const std::vector<std::string> lines = generate();
    const std::string stars(62, '*');
    const std::vector<std::string> expected = {
        stars,
        "* CAN-Open Object Dictionary Declaration File ______________ *",
        w("* Файл определения объектного словаря CAN-Open _____________ *"),
        stars,
        w("; Создано на основе профиля ") + m_profile.path,
        w("; Конфигурация: Базовый профиль"),
        w("; для микроконроллеров TMS320x24xx"),
        stars,
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), expected);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ";    .include vost.inc"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "co_numOfInd    .set 1"), 1);

    m_profile.settings.Vost_inc = false;
    const std::vector<std::string> included = generate();
    EXPECT_EQ(std::count(included.begin(), included.end(), "    .include vost.inc"), 1);
}

TEST_F(AssemblerFileTest, MemoryLayoutCountsBitFieldsAsTwoBytesInFiveRanges) {
    setObjects({
        Obj("1000h", "00h").access("Editable").bits(0, 2).values("1", "0", "3"),
        Obj("3000h", "00h").access("Secret").standard("32").values("1", "0", "3"),
        Obj("6000h", "00h").access("Editable").standard("32").values("1", "0", "3"),
    });
    const std::vector<std::string> lines = generate();
    const std::vector<std::string> range1 = section(lines, "    .def co_SPIrange1rw", "co_SPIrange1rwpsCRC    .set    6");
    EXPECT_EQ(range1, (std::vector<std::string>{
                          "    .def co_SPIrange1rw", "    .def co_SPIrange1rwp", "    .def co_SPIrange1rwps",
                          "    .def co_SPIrange1rwCRC", "    .def co_SPIrange1rwpCRC", "    .def co_SPIrange1rwpsCRC",
                          "co_SPIrange1rw    .set    0", "co_SPIrange1rwCRC    .set    2", "co_SPIrange1rwp    .set    4",
                          "co_SPIrange1rwpCRC    .set    4", "co_SPIrange1rwps    .set    6",
                          "co_SPIrange1rwpsCRC    .set    6"}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "co_SPIrange3rwpsCRC    .set    22"), 1) << "4 secret bytes in range 3";
    EXPECT_TRUE(std::none_of(lines.begin(), lines.end(),
                             [](const std::string& l) { return l.find("SPIrange6") != std::string::npos; }));
}

TEST_F(AssemblerFileTest, CallbackAndGroupTables) {
    setObjects({Obj("2000h", "00h").standard("16").group("7"), Obj("2001h", "00h").standard("16").callback("Reinit").group("")});
    const std::vector<std::string> lines = generate();
    EXPECT_EQ(section(lines, "    .def co_callBackTable", ""),
              (std::vector<std::string>{"    .def co_callBackTable", "co_callBackTable:",
                                        w("    .word 0 ; CallBack-функция для объекта 2000h не определена"),
                                        "    .ref Reinit", w("    .word Reinit ; CallBack-функция для объекта 2001h"), ""}));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"    .def co_typeDefTable", "co_typeDefTable:", "    .word    5", "    .word    0"}));
}

TEST_F(AssemblerFileTest, SavedAsVostAsmWithSmallYa) {
    m_profile.settings.BigYA = true;
    setObjects({Obj("2000h", "00h").standard("16").text("1", w("я"))});
    const ControllerFile file = generateControllerFile(m_profile, context());
    ASSERT_EQ(file.status, GenerationStatus::Generated);
    const std::string saved = test::readFile(folder() / kAssemblerFileName);
    EXPECT_NE(saved.find(w("    .word 1    ; я")), std::string::npos);
    EXPECT_NE(file.text.find(w("    .word 1    ; Я")), std::string::npos);
    EXPECT_FALSE(file.writtenToFolder());
}

TEST_F(AssemblerFileTest, UnwritableProgramFolderFails) {
    setObjects({Obj("2000h", "00h").standard("16")});
    std::filesystem::create_directories(folder() / kAssemblerFileName / "blocked");  // a folder where the file goes
    const ControllerFile file = generateControllerFile(m_profile, context());
    EXPECT_EQ(file.status, GenerationStatus::Failed);
    EXPECT_FALSE(file.error.empty());
    EXPECT_TRUE(file.text.empty());
}

}  // namespace
}  // namespace tabrin::generators
