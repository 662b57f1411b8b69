// The question about differing scale coefficients: the rows of its table with their marks, and
// its three answers.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "editing/scalemismatch.h"
#include "support/scriptedmessageport.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

model::ScaleNumber coefficient(const char* value, const char* scaleQ, const char* prefix = "0") {
    model::ScaleNumber scale;
    scale.possible_value = value;
    scale.scaleQ = scaleQ;
    scale.prefix = prefix;
    scale.units = "1";
    scale.num_of_float = "2";
    return scale;
}

TEST(ScaleMismatch, RowsMarkValuesAndFormatsThatDiffer) {
    const UnitLists lists{{"", "~k", w("мк")}, {"", "A", "V"}};
    const std::vector<model::ScaleNumber> profile = {coefficient("10", "8"), coefficient("5", "8"),
                                                     coefficient("2", "8")};
    ScaleComparison comparison;
    comparison.differ = true;
    comparison.fromFile = profile;
    comparison.fromFile.resize(32);
    comparison.fromFile[1] = coefficient("5", "4", "2");  // another Q format and prefix
    comparison.fromFile[2].possible_value = "3";
    comparison.valueMask = 1u << 2;
    const std::vector<ScaleMismatchRow> rows = scaleMismatchRows(comparison, profile, lists);
    ASSERT_EQ(rows.size(), 32u);
    const struct {
        std::size_t k;
        std::string number;
        std::string profileFormat;
        std::string fileFormat;
        bool valueDiffers;
        bool formatDiffers;
    } expected[] = {
        {0, "00h", "\"A\", 8.8, x.xx", "\"A\", 8.8, x.xx", false, false},
        {1, "01h", "\"A\", 8.8, x.xx", w("\"мкA\", 12.4, x.xx"), false, true},
        {2, "02h", "\"A\", 8.8, x.xx", "\"A\", 8.8, x.xx", true, false},
        {31, "1Fh", "\"\", , ", "\"\", , ", false, false},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(rows[row.k].number, row.number);
        EXPECT_EQ(rows[row.k].profileFormat, row.profileFormat);
        EXPECT_EQ(rows[row.k].fileFormat, row.fileFormat);
        EXPECT_EQ(rows[row.k].valueDiffers, row.valueDiffers);
        EXPECT_EQ(rows[row.k].formatDiffers, row.formatDiffers);
    }
    EXPECT_EQ(rows[2].profileValue, "2");
    EXPECT_EQ(rows[2].fileValue, "3");
}

TEST(ScaleMismatch, ThreeAnswers) {
    std::vector<ScaleMismatchRow> rows(2);
    rows[0].number = "00h";
    rows[1].number = "01h";
    rows[1].profileValue = "100";
    rows[1].fileValue = "120";
    rows[1].valueDiffers = true;
    const struct {
        app::MessageAnswer given;
        ScaleMismatchAnswer answer;
    } cases[] = {
        {app::MessageAnswer::Yes, ScaleMismatchAnswer::Replace},
        {app::MessageAnswer::No, ScaleMismatchAnswer::KeepAndGoOn},
        {app::MessageAnswer::Cancel, ScaleMismatchAnswer::Cancel},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(static_cast<int>(row.given));
        app::Translator translator;
        test::ScriptedMessagePort port({row.given});
        EXPECT_EQ(askAboutScaleMismatch(rows, port, translator), row.answer);
        ASSERT_EQ(port.asked().size(), 1u);
        const app::Message& asked = port.asked().front();
        EXPECT_EQ(asked.caption, w("Масштабирующие коэффициенты не совпадают"));
        EXPECT_EQ(asked.buttons, app::MessageButtons::YesNoCancel);
        EXPECT_NE(asked.text.find("01h: 100 "), std::string::npos);
        EXPECT_EQ(asked.text.find("00h: "), std::string::npos);  // only the rows that differ
    }
}

}  // namespace
}  // namespace tabrin::editing
