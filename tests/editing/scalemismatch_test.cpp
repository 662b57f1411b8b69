// The question about differing scale coefficients: the rows of its table with their marks, the
// table and texts it shows, and its three named answers.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "editing/scalemismatch.h"
#include "model/numbertext.h"
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

TEST(ScaleMismatch, QuestionShowsEveryRowWithTheDifferingCellsMarked) {
    std::vector<ScaleMismatchRow> rows(32);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k].number = model::numberToHexText(static_cast<std::uint32_t>(k), 2);
        rows[k].profileValue = rows[k].fileValue = "1";
        rows[k].profileFormat = rows[k].fileFormat = "\"A\", 8.8, x.xx";
    }
    rows[1].fileValue = "120";
    rows[1].valueDiffers = true;
    rows[31].fileFormat = "\"V\", 8.8, x.xx";
    rows[31].formatDiffers = true;
    app::Translator translator;
    test::ScriptedMessagePort port({app::MessageAnswer::Cancel});
    askAboutScaleMismatch(rows, port, translator);
    ASSERT_EQ(port.asked().size(), 1u);
    const app::Message& asked = port.asked().front();
    EXPECT_EQ(asked.caption, w("Масштабирующие коэффициенты не совпадают"));
    EXPECT_EQ(asked.text, w("Форматы или значения МК в словаре и файле параметров не совпадают.\r\nЭто может вызвать "
                            "различные ошибки в случае загрузки параметров."));
    EXPECT_EQ(asked.closingText, w("Следует ли заменить МК в словаре на МК из файла параметров\r\nи перезагрузить "
                                   "словарь для сравнения?"));
    ASSERT_TRUE(asked.table.has_value());
    const app::MessageTable& table = *asked.table;
    EXPECT_EQ(table.groups,
              (std::vector<app::MessageColumnGroup>{{"", 1}, {w("В словаре:"), 2}, {w("В файле параметров:"), 2}}));
    EXPECT_EQ(table.headers,
              (std::vector<std::string>{w("Номер"), w("Значение"), w("Формат"), w("Значение"), w("Формат")}));
    ASSERT_EQ(table.rows.size(), 32u) << "every coefficient, alike or not";
    using Cells = std::vector<app::MessageCell>;
    EXPECT_EQ(table.rows[0], (Cells{{"00h"}, {"1"}, {"\"A\", 8.8, x.xx"}, {"1"}, {"\"A\", 8.8, x.xx"}}));
    EXPECT_EQ(table.rows[1], (Cells{{"01h"}, {"1", true}, {"\"A\", 8.8, x.xx"}, {"120", true}, {"\"A\", 8.8, x.xx"}}));
    EXPECT_EQ(table.rows[31], (Cells{{"1Fh"}, {"1"}, {"\"A\", 8.8, x.xx", true}, {"1"}, {"\"V\", 8.8, x.xx", true}}));
}

TEST(ScaleMismatch, ThreeNamedAnswers) {
    const std::vector<ScaleMismatchRow> rows(32);
    const struct {
        const char* caption;
        ScaleMismatchAnswer answer;
    } buttons[] = {
        {"Заменить и перейти к сравнению словарей", ScaleMismatchAnswer::Replace},
        {"Отмена", ScaleMismatchAnswer::Cancel},
        {"Перейти к сравнению без замены МК (не рекоменд.)", ScaleMismatchAnswer::KeepAndGoOn},
    };
    app::Translator translator;
    test::ScriptedMessagePort shown;
    askAboutScaleMismatch(rows, shown, translator);
    const std::vector<app::NamedAnswer>& offered = shown.asked().at(0).namedAnswers;
    ASSERT_EQ(offered.size(), std::size(buttons));
    for (std::size_t position = 0; position < offered.size(); ++position) {
        SCOPED_TRACE(buttons[position].caption);
        EXPECT_EQ(offered[position].caption, w(buttons[position].caption)) << "the buttons in this order";
        test::ScriptedMessagePort port({offered[position].answer});
        EXPECT_EQ(askAboutScaleMismatch(rows, port, translator), buttons[position].answer);
    }
}

}  // namespace
}  // namespace tabrin::editing
