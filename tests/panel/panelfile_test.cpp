// One generation of a panel file: progress, the text shown, the file written, and the stops.
#include <gtest/gtest.h>

#include <functional>

#include "app/cp1251.h"
#include "app/paths.h"
#include "panel/panelfile.h"
#include "panelhome.h"

namespace tabrin {
namespace {

using panel::GenerationStatus;
using panel::PanelType;
using test::w;

class PanelFile : public ::testing::Test {
protected:
    test::PanelHome m_home{{{"1", "Пуск", "5"}, {"2", "Стоп"}}, {{"5", {"Нет", "Да"}}, {"6", {"~m"}}}};

    panel::PanelTextsRequest request(PanelType type, std::filesystem::path output = {}) {
        return {{m_home.profile("a.xml", {"1", "2"})}, type, {}, "", std::move(output)};
    }
};

TEST(PanelFileText, LinesEndWithCrLfAndKeepTheirOwnLineFeeds) {
    EXPECT_EQ(panel::joinedLines({"a", "b\nc", "d\r\ne", ""}), "a\r\nb\nc\r\nd\r\ne\r\n\r\n");
    EXPECT_EQ(panel::joinedLines({}), "");
}

TEST_F(PanelFile, ProgressAtTheFixedPointsOfEachType) {
    const struct {
        const char* name;
        PanelType type;
        std::vector<int> points;
    } cases[] = {
        {"type А", PanelType::AssemblerA, {0, 20, 40, 50, 70, 80, 85, 100}},
        {"type Ш", PanelType::AssemblerSh, {0, 20, 40, 50, 60, 70, 100}},
        {"C for 28x", PanelType::C28x, {0, 20, 40, 100}},
        {"C packed", PanelType::CPacked2808, {0, 20, 40, 100}},
        {"C for HIWIN", PanelType::CHiwin, {0, 20, 40, 100}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<int> points;
        int pauses = 0;
        const panel::GenerationResult result = panel::generatePanelTexts(
            request(row.type),
            m_home.environment({[&](int percent) { points.push_back(percent); }, [&] { ++pauses; }}));
        EXPECT_EQ(result.status, GenerationStatus::Generated);
        EXPECT_EQ(points, row.points);
        // At least one pause between the entries of each table: two texts and one or more enumerations.
        EXPECT_GE(pauses, 3);
    }
}

TEST_F(PanelFile, WritesTheTextShownIntoTheFile) {
    const std::filesystem::path output = m_home.folder() / "texts.c";
    const panel::GenerationResult result =
        panel::generatePanelTexts(request(PanelType::CPacked2808, output), m_home.environment());
    ASSERT_EQ(result.status, GenerationStatus::Generated);
    EXPECT_EQ(test::readFile(output), result.text);
    EXPECT_NE(result.text.find(w("* Файл описания текстов для ПУ [Си с упаковкой для 2808] *\r\n")), std::string::npos);
    EXPECT_NE(result.text.find("\r\n#include \"main.h\"\r\n"), std::string::npos);
    EXPECT_TRUE(result.text.ends_with("Uint16 const TextCounter = 2;\r\n"));
    EXPECT_TRUE(m_home.port().asked().empty());
}

TEST_F(PanelFile, MissingTextStopsWithoutTouchingTheFile) {
    const std::filesystem::path output = m_home.folder() / "texts.c";
    test::writeFile(output, "earlier");
    panel::PanelTextsRequest missing = request(PanelType::C28x, output);
    missing.profileFiles.push_back(m_home.profile("b.xml", {"2", "4"}));
    std::vector<int> points;
    const panel::GenerationResult result =
        panel::generatePanelTexts(missing, m_home.environment({[&](int percent) { points.push_back(percent); }, {}}));
    EXPECT_EQ(result.status, GenerationStatus::Stopped);
    EXPECT_TRUE(result.text.empty());
    EXPECT_EQ(test::readFile(output), "earlier");
    ASSERT_EQ(m_home.port().asked().size(), 1u);
    EXPECT_NE(m_home.port().asked().front().text.find(w("текст №4,")), std::string::npos);
    EXPECT_EQ(points, std::vector<int>{0});
}

TEST_F(PanelFile, NoProfilesDoesNothing) {
    const std::filesystem::path output = m_home.folder() / "texts.c";
    panel::PanelTextsRequest none = request(PanelType::C28x, output);
    none.profileFiles.clear();
    int reports = 0;
    const panel::GenerationResult result =
        panel::generatePanelTexts(none, m_home.environment({[&](int) { ++reports; }, {}}));
    EXPECT_EQ(result.status, GenerationStatus::NoProfiles);
    EXPECT_EQ(reports, 0);
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_TRUE(m_home.port().asked().empty());
}

TEST_F(PanelFile, UnwritableFileIsToldAndTheTextStillShown) {
    const std::filesystem::path output = m_home.folder() / "no such folder" / "texts.c";
    const struct {
        const char* name;
        std::function<panel::GenerationResult()> generate;
    } cases[] = {
        {"texts", [&] { return panel::generatePanelTexts(request(PanelType::C28x, output), m_home.environment()); }},
        {"header", [&] { return panel::generatePanelHeader(PanelType::C28x, "", output, m_home.environment()); }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const std::size_t before = m_home.port().asked().size();
        const panel::GenerationResult result = row.generate();
        EXPECT_EQ(result.status, GenerationStatus::NotWritten);
        EXPECT_FALSE(result.text.empty());
        ASSERT_EQ(m_home.port().asked().size(), before + 1);
        EXPECT_NE(m_home.port().asked().back().text.find(app::pathText(output)), std::string::npos);
    }
}

TEST_F(PanelFile, HeaderWrittenWithItsInclude) {
    const std::filesystem::path output = m_home.folder() / "texts.h";
    const panel::GenerationResult result =
        panel::generatePanelHeader(PanelType::CPacked2808, "\"board.h\"", output, m_home.environment());
    ASSERT_EQ(result.status, GenerationStatus::Generated);
    EXPECT_EQ(test::readFile(output), result.text);
    EXPECT_NE(result.text.find("\r\n#include \"board.h\"\r\n"), std::string::npos);
    EXPECT_NE(result.text.find("extern const char* const texts_enum6[];\r\n"), std::string::npos);
    EXPECT_NE(result.text.find("extern Uint16 const texts_texts[];\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tabrin
