// The columns of the report's tables: which are written, their titles, widths and alignments.
#include "report/reportcolumns.h"

#include <string_view>

#include "app/cp1251.h"
#include "app/translator.h"

namespace tabrin::report {
namespace {

struct ColumnDefinition {
    ColumnContent content;
    std::string_view title;  // UTF-8
    bool translated;
    double widthCm;  // 0: the width the other columns leave
    double widthWithLongTextsCm;
    ParagraphAlignment dataAlignment;
    bool (*enabled)(const ReportOptions& options);
};

bool always(const ReportOptions&) { return true; }

constexpr ColumnDefinition kColumns[] = {
    {ColumnContent::Description, "Описание", true, 0, 0, ParagraphAlignment::Left, always},
    {ColumnContent::Number, "№", false, 1.0, 1.0, ParagraphAlignment::Center,
     [](const ReportOptions& options) { return options.numberColumn; }},
    {ColumnContent::Name, "Имя", true, 1.6, 4.8, ParagraphAlignment::Center, always},
    {ColumnContent::Range, "Диапазон\nзначений\n[зн. по умолч.]", true, 2.52, 2.52, ParagraphAlignment::Center, always},
    {ColumnContent::IdSubId, "ID.SubID", false, 1.65, 1.65, ParagraphAlignment::Center,
     [](const ReportOptions& options) { return options.indexColumn; }},
    {ColumnContent::CName, "Имя перем. Си", true, 1.65, 1.65, ParagraphAlignment::Center,
     [](const ReportOptions& options) { return options.cNames; }},
};

}  // namespace

std::vector<ReportColumn> reportColumns(const ReportOptions& options, app::Translator& translator) {
    std::vector<ReportColumn> columns;
    double fixedWidth = 0;
    for (const ColumnDefinition& definition : kColumns) {
        if (!definition.enabled(options)) continue;
        const std::string title = cp1251::fromUtf8(definition.title);
        const double width = options.longTexts ? definition.widthWithLongTextsCm : definition.widthCm;
        fixedWidth += width;
        columns.push_back({definition.content, definition.translated ? translator.translateText(title) : title, width,
                           ParagraphAlignment::Center, definition.dataAlignment, VerticalAlignment::Center});
    }
    for (ReportColumn& column : columns) {
        if (column.widthCm == 0) column.widthCm = kTableWidthCm - fixedWidth;
    }
    return columns;
}

}  // namespace tabrin::report
