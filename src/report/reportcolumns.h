// The columns of the report's tables: which are written, their titles, widths and alignments.
#pragma once

#include <string>
#include <vector>

#include "report/documentmodel.h"
#include "report/reportoptions.h"

namespace tabrin::app {
class Translator;
}

namespace tabrin::report {

/// Every table spans the text width of the page: 21 cm less margins of 2 and 1.5 cm.
inline constexpr double kTableWidthCm = 17.5;

enum class ColumnContent { Description, Number, Name, Range, IdSubId, CName };

struct ReportColumn {
    ColumnContent content;
    std::string title;  // Windows-1251, translated
    double widthCm;
    ParagraphAlignment headerAlignment;
    ParagraphAlignment dataAlignment;
    VerticalAlignment verticalAlignment;  // of header and data cells alike
};

/// The columns `options` enable, in table order; the description takes the width the others leave.
std::vector<ReportColumn> reportColumns(const ReportOptions& options, app::Translator& translator);

}  // namespace tabrin::report
