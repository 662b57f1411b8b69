// Parameter files of the setup tool on hand-written fixtures: reading with its broken records,
// format decoding and float bit patterns, the selection buttons, the comparison of scale
// coefficients and parameters with the profile, and loading the values as defaults.
#include <gtest/gtest.h>

#include "editing/parametercomparison.h"
#include "editing/parameterfile.h"
#include "editingprofile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

struct Param {
    int index;
    int subindex;
    unsigned format;
    std::string value;
    std::string text = "";
    int checked = 1;
};

std::string kvpx(const std::vector<Param>& params, int brokenAt = -1, const char* brokenValue = "") {
    std::string text = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n";
    for (std::size_t i = 0; i < params.size(); ++i) {
        const Param& p = params[i];
        const std::string position = static_cast<int>(i) == brokenAt ? brokenValue : std::to_string(i);
        text += "\t<param co_index=\"" + std::to_string(p.index) + "\" co_subindex=\"" + std::to_string(p.subindex) +
                "\" format=\"" + std::to_string(p.format) + "\" abs_index=\"" + position + "\" checked=\"" +
                std::to_string(p.checked) + "\" value=\"" + p.value + "\" text_num=\"" + p.text +
                "\" group_num=\"1\" info_value=\"v\"/>\n";
    }
    return text + "</root>\n";
}

constexpr unsigned kU16 = 0x4A00;  // editable unsigned 16-bit standard number

class ParameterFileTest : public EditingProfile {
protected:
    ParameterFile read(const std::string& text) {
        ParameterFileReading reading = readParameterFile(text, "plant.kvpx", m_texts);
        EXPECT_FALSE(reading.error) << *reading.error;
        return reading.file;
    }
};

TEST(ParameterFormat, AccessAndTypeFromTheWord) {
    const struct {
        unsigned word;
        model::Access access;
        model::FormatType type;
    } rows[] = {
        {3, model::Access::Viewable, model::FormatType::Root},
        {0x4A00, model::Access::Editable, model::FormatType::StandartNum},
        {0x9000 | 0x400, model::Access::Protected, model::FormatType::IQ},
        {0xE000, model::Access::Secret, model::FormatType::Bit},
        {0x7000, model::Access::Editable, model::FormatType::Float},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word);
        EXPECT_EQ(parameterAccess(row.word), row.access);
        EXPECT_EQ(parameterType(row.word), row.type);
    }
}

TEST_F(ParameterFileTest, ReadsParametersWithNamesFloatsAndTheGroupEnumeration) {
    const bases::TextBaseElement& known = m_texts.elements().back();
    const ParameterFile file = read(kvpx({{0x2000, 1, kU16, "12", known.textid},
                                          {0x2000, 2, 0x7000, "1065353216"},
                                          {0x2534, 1, kU16, "20"},
                                          {0x3000, 0, 3, "3", "", 0}}));
    ASSERT_EQ(file.parameters.size(), 4u);
    EXPECT_EQ(file.parameters[0].address(), "2000h.01h");
    EXPECT_EQ(file.parameters[0].name, known.trus);
    EXPECT_EQ(file.parameters[0].format, std::to_string(kU16));
    EXPECT_TRUE(file.parameters[0].selected);
    EXPECT_EQ(file.parameters[1].value, "1");  // a float's bit pattern
    EXPECT_EQ(file.parameters[1].name, "_");
    EXPECT_EQ(file.groupSet, 20);
    EXPECT_EQ(file.parameters[3].type, model::FormatType::Root);
    EXPECT_FALSE(file.parameters[3].selected);
    EXPECT_EQ(read(kvpx({{0x2000, 1, kU16, "1"}})).groupSet, kDefaultParameterGroupSet);
}

TEST_F(ParameterFileTest, WhatTheFileCheckedCountsOnlyWhereASelectionCanBeMade) {
    ParameterFile file = read(kvpx({{0x2000, 1, 0x0A00, "5"}, {0x2000, 0, 3, "3"}, {0x2000, 2, kU16, "6"}}));
    EXPECT_FALSE(file.parameters[0].selected);  // viewable
    EXPECT_FALSE(file.parameters[1].selected);  // a root
    EXPECT_TRUE(file.parameters[2].selected);
    // So a viewable parameter checked in the file never becomes a default.
    const std::string before = at("2000h.01h").defaultValue;
    loadDefaults(m_document, file, m_translator);
    EXPECT_EQ(at("2000h.01h").defaultValue, before);
}

TEST_F(ParameterFileTest, ReadingFromAPath) {
    const auto path = m_folder.path() / "plant.kvpx";
    const struct {
        const char* name;
        std::optional<std::string> contents;  // none: no file
        std::string message;                  // a part of it; empty: read
        std::size_t parameters;
    } rows[] = {
        {"a file", kvpx({{0x2000, 1, kU16, "1"}}), "", 1},
        {"no file", std::nullopt, "Can't open file '", 0},
        {"larger than the limit", std::string(kMaxParameterFileSize + 1, ' '), "is larger than 64 MB", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(path);
        if (row.contents) test::writeFile(path, *row.contents);
        const ParameterFileReading reading = readParameterFileAt(path, m_texts);
        if (row.message.empty()) {
            EXPECT_FALSE(reading.error) << *reading.error;
        } else {
            ASSERT_TRUE(reading.error);
            EXPECT_NE(reading.error->find(row.message), std::string::npos) << *reading.error;
        }
        EXPECT_EQ(reading.file.parameters.size(), row.parameters);
    }
}

TEST_F(ParameterFileTest, BrokenRecordsStopTheReading) {
    const struct {
        const char* name;
        std::string text;
        std::string message;  // a part of it
        std::size_t kept;
    } rows[] = {
        {"abs_index out of place", kvpx({{0x2000, 1, kU16, "1"}, {0x2000, 2, kU16, "2"}}, 1, "5"),
         "abs_index=5\nco_index=8192\nco_subindex=2", 1},
        {"abs_index missing", kvpx({{0x2000, 1, kU16, "1"}}, 0, ""), "abs_index=\nco_index=8192", 0},
        {"absurd index", kvpx({{999999, 1, kU16, "1"}}), "co_index=999999", 0},
        {"negative subindex", kvpx({{0x2000, -1, kU16, "1"}}), "co_subindex=-1", 0},
        {"not XML", "not a parameter file", "", 0},
        {"another document", "<?xml version=\"1.0\"?>\n<other/>\n", "", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ParameterFileReading reading = readParameterFile(row.text, "plant.kvpx", m_texts);
        ASSERT_TRUE(reading.error);
        EXPECT_NE(reading.error->find(row.message), std::string::npos) << *reading.error;
        EXPECT_EQ(reading.file.parameters.size(), row.kept);
    }
    const ParameterFileReading broken = readParameterFile(kvpx({{0x2000, 1, kU16, "1"}}, 0, "5"), "p", m_texts);
    EXPECT_EQ(broken.error->rfind(w("Ошибка чтения файла настроек. Битая запись: \n"), 0), 0u);
}

TEST_F(ParameterFileTest, SelectionButtons) {
    ParameterFile file = read(kvpx({{0x2500, 1, kU16, "1"},
                                    {0x2501, 0, kU16, "1"},
                                    {0x250F, 0, kU16, "1"},
                                    {0x2510, 0, kU16, "1"},
                                    {0x2400, 0, 0x0A00, "1"}}));  // viewable
    const auto selected = [&] {
        std::string marks;
        for (const Parameter& parameter : file.parameters) marks += parameter.selected ? '1' : '0';
        return marks;
    };
    selectParameters(file, ParameterSelection::Standard);
    EXPECT_EQ(selected(), "10000");
    selectParameters(file, ParameterSelection::AllButStandard);
    EXPECT_EQ(selected(), "01010");
    selectParameters(file, ParameterSelection::All);
    EXPECT_EQ(selected(), "11110");
    selectParameters(file, ParameterSelection::None);
    EXPECT_EQ(selected(), "00000");
}

TEST_F(ParameterFileTest, ScaleCoefficientsDifferBeyondOnePercent) {
    const struct {
        const char* profileValue;
        bool differ;
    } rows[] = {{"10.05", false}, {"10.2", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.profileValue);
        std::vector<model::ScaleNumber> profile(6);
        profile[5].possible_value = row.profileValue;
        profile[5].scaleQ = "8";
        const ParameterFile file = read(kvpx({{0x2105, 1, kU16, "2560"}, {0x2105, 2, kU16, "8"}}));
        const ScaleComparison comparison = compareScaleCoefficients(file, profile);
        EXPECT_EQ(comparison.differ, row.differ);
        EXPECT_EQ((comparison.valueMask >> 5) & 1, row.differ ? 1u : 0u);
        EXPECT_EQ(comparison.fromFile[5].possible_value, "10");
        EXPECT_EQ(comparison.fromFile[5].scaleQ, "8");
        ASSERT_EQ(comparison.fromFile.size(), 32u);
    }
    std::vector<model::ScaleNumber> profile(1);
    profile[0].units = "3";
    const ParameterFile packed = read(kvpx({{0x2100, 2, kU16, std::to_string(3 * 1024 + 2 * 128 + 2 * 32 + 8)}}));
    const ScaleComparison comparison = compareScaleCoefficients(packed, profile);
    EXPECT_TRUE(comparison.differ);
    EXPECT_EQ(comparison.fromFile[0].prefix, "2");
    EXPECT_EQ(comparison.fromFile[0].num_of_float, "2");
    EXPECT_EQ(comparison.fromFile[0].units, "3");
}

TEST_F(ParameterFileTest, ComparisonRefusesAndListsWithItsLines) {
    ParameterFile file = read(kvpx({{0x2000, 1, kU16 + 128, "5"},  // a signed standard number passes
                                    {0x2000, 2, 0x4900, "6"},       // another format
                                    {0x2000, 3, kU16, "7", "30000"},  // another text
                                    {0x7000, 0, kU16, "8"},         // missing
                                    {0x2001, 0, kU16, "9"}}));      // excluded and missing
    const ParameterComparison comparison = compareParameters(file, profile(), {}, m_translator);
    EXPECT_EQ(comparison.refused, 4);
    EXPECT_TRUE(file.parameters[0].selected);
    EXPECT_FALSE(file.parameters[1].selected);
    const auto has = [&](const std::string& line) {
        return std::find(comparison.lines.begin(), comparison.lines.end(), line) != comparison.lines.end();
    };
    EXPECT_TRUE(has(w("!!! Разный формат эл-в _ [2000h.02h]")));
    EXPECT_TRUE(has(w("!!! Разный номер текста эл-в _ [2000h.03h]")));
    EXPECT_TRUE(has(w("!!! Параметр _ [2001h.00h] исключен из списка. Это скорость сети, при её смене загрузка прервется.")));
    EXPECT_TRUE(has(w("В словаре устройства нет элемента(ов):")));
    EXPECT_TRUE(has(w("_ [7000h.00h]")));
    EXPECT_TRUE(has(w("В словаре устройства неизвестные (новые) параметр(ы) :")));
    EXPECT_TRUE(has("Motor 4 [2000h.04h]"));
    EXPECT_EQ(comparison.lines.front(), w("!!! Разный формат эл-в _ [2000h.02h]"));
    EXPECT_EQ(comparison.lines.back(), w("Сравнение завершено. Отменена загрузка 4 параметров."));
}

TEST_F(ParameterFileTest, SelectedValuesBecomeDefaultsAsOneCommand) {
    const ProfileState before(profile());
    ParameterFile file = read(kvpx({{0x2000, 1, kU16, "1,5"}, {0x2000, 2, kU16, "9", "", 0}, {0x7000, 0, kU16, "3"}}));
    loadDefaults(m_document, file, m_translator);
    EXPECT_EQ(at("2000h.01h").defaultValue, "1.5");
    EXPECT_EQ(at("2000h.02h").defaultValue, "1");
    EXPECT_EQ(m_document.historySize(), 1u);
    m_document.undo();
    EXPECT_TRUE(ProfileState(profile()) == before);
}

}  // namespace
}  // namespace tabrin::editing
