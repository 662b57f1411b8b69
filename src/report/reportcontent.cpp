// Everything a report writes, gathered from the profile before the document is built.
#include "report/reportcontent.h"

#include "app/paths.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "report/reportgroups.h"
#include "report/rowtexts.h"
#include "report/scaletexts.h"

namespace tabrin::report {
namespace {

std::vector<ReportRow> rowsInIndexRange(const model::Profile& profile, const RowTextContext& context,
                                        const ReportOptions& options) {
    std::vector<ReportRow> rows;
    for (const model::DictObject* object : profile.view()) {
        const std::uint32_t index = model::hexTextToNumber(object->index);
        if (index < options.startIndex || index > options.endIndex) continue;
        if (std::optional<ReportRow> row = reportRow(*object, context)) rows.push_back(std::move(*row));
    }
    return rows;
}

std::vector<std::string> cellTexts(const ReportRow& row, std::string number, const std::vector<ReportColumn>& columns) {
    std::vector<std::string> cells;
    for (const ReportColumn& column : columns) {
        switch (column.content) {
        case ColumnContent::Description: cells.push_back(row.description); break;
        case ColumnContent::Number: cells.push_back(number); break;
        case ColumnContent::Name: cells.push_back(row.name); break;
        case ColumnContent::Range: cells.push_back(row.rangeCell); break;
        case ColumnContent::IdSubId: cells.push_back(row.idSubId); break;
        case ColumnContent::CName: cells.push_back(row.addr); break;
        }
    }
    return cells;
}

}  // namespace

int ReportContent::rowCount() const {
    int count = 0;
    for (const ReportTable& table : tables) count += static_cast<int>(table.rows.size());
    return count;
}

ReportContent prepareReport(const model::Profile& profile, const bases::TextBase& texts, const bases::SetBase& sets,
                            const ReportOptions& options, app::Language language, app::Translator& translator) {
    ReportContent content;
    content.heading = translator.tr("Параметры профиля ") + app::shownPath(profile.path);
    if (options.numberColumn) {
        content.note = translator.tr("Примечание: номер параметра в столбце '№' указан в формате NN.MM, где:\n"
                                  "NN - номер группы, MM - номер параметра внутри группы");
    }
    content.columns = reportColumns(options, translator);

    const std::vector<ScaleTexts> scales = gatherScaleTexts(profile.scaleNumbers, sets, language);
    const RowTextContext context{{scales, texts, sets, language, translator.tr("наблюдаемый")},
                                 options.longTexts,
                                 options.secretMark ? translator.tr(" (секретный)") : std::string()};
    const std::vector<ReportRow> rows = rowsInIndexRange(profile, context, options);

    const bases::SetBaseElement* groups = groupEnumeration(profile.settings, sets);
    if (groups == nullptr) return content;
    for (int position = 0; position < static_cast<int>(groups->items.size()); ++position) {
        if (!includesGroup(position, options)) continue;
        ReportTable table;
        for (const ReportRow& row : rows) {
            if (!belongsToGroup(row.group, position)) continue;
            const int number = static_cast<int>(table.rows.size()) + 1;
            table.rows.push_back(cellTexts(row, rowNumberText(position, number, options), content.columns));
        }
        if (table.rows.empty()) continue;
        table.title = groupTitle(position, groups->itemText(position, !options.longTexts, language), options);
        content.tables.push_back(std::move(table));
    }
    return content;
}

}  // namespace tabrin::report
