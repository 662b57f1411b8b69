// The question asked when the scale coefficients of a parameter file and of the profile differ:
// its table (32 rows, the profile's coefficient beside the file's, differences marked), its text
// and its three answers.
#include "editing/scalemismatch.h"

#include "app/translator.h"
#include "editing/scaletable.h"
#include "model/numbertext.h"

namespace tabrin::editing {

std::string scaleFormatText(const model::ScaleNumber& scale, const UnitLists& lists) {
    const ScaleListTexts texts = scaleListTexts(scale, lists);
    return "\"" + texts.prefix + texts.unit + "\", " + texts.qFormat + ", " + texts.precision;
}

std::vector<ScaleMismatchRow> scaleMismatchRows(const ScaleComparison& comparison,
                                                const std::vector<model::ScaleNumber>& profile,
                                                const UnitLists& lists) {
    std::vector<ScaleMismatchRow> rows;
    for (std::size_t k = 0; k < comparison.fromFile.size(); ++k) {
        const model::ScaleNumber own = k < profile.size() ? profile[k] : model::ScaleNumber();
        ScaleMismatchRow& row = rows.emplace_back();
        row.number = model::numberToHexText(static_cast<std::uint32_t>(k), 2);
        row.profileValue = own.possible_value;
        row.profileFormat = scaleFormatText(own, lists);
        row.fileValue = comparison.fromFile[k].possible_value;
        row.fileFormat = scaleFormatText(comparison.fromFile[k], lists);
        row.valueDiffers = ((comparison.valueMask >> k) & 1) != 0;
        row.formatDiffers = row.profileFormat != row.fileFormat;
    }
    return rows;
}

ScaleMismatchAnswer askAboutScaleMismatch(const std::vector<ScaleMismatchRow>& rows, app::MessagePort& port,
                                          app::Translator& translator) {
    app::MessageTable table;
    table.groups = {{"", 1}, {translator.tr("В словаре:"), 2}, {translator.tr("В файле параметров:"), 2}};
    table.headers = {translator.tr("Номер"), translator.tr("Значение"), translator.tr("Формат"),
                     translator.tr("Значение"), translator.tr("Формат")};
    for (const ScaleMismatchRow& row : rows) {
        table.rows.push_back({{row.number},
                              {row.profileValue, row.valueDiffers},
                              {row.profileFormat, row.formatDiffers},
                              {row.fileValue, row.valueDiffers},
                              {row.fileFormat, row.formatDiffers}});
    }
    app::Message question{translator.tr("Масштабирующие коэффициенты не совпадают"),
                          translator.tr("Форматы или значения МК в словаре и файле параметров не совпадают.\r\nЭто "
                                        "может вызвать различные ошибки в случае загрузки параметров."),
                          app::MessageButtons::YesNoCancel, app::MessageIcon::Warning};
    question.table = std::move(table);
    question.closingText = translator.tr(
        "Следует ли заменить МК в словаре на МК из файла параметров\r\nи перезагрузить словарь для сравнения?");
    question.namedAnswers = {
        {translator.tr("Заменить и перейти к сравнению словарей"), app::MessageAnswer::Yes},
        {translator.tr("Отмена"), app::MessageAnswer::Cancel},
        {translator.tr("Перейти к сравнению без замены МК (не рекоменд.)"), app::MessageAnswer::No},
    };
    switch (port.ask(question)) {
    case app::MessageAnswer::Yes: return ScaleMismatchAnswer::Replace;
    case app::MessageAnswer::No: return ScaleMismatchAnswer::KeepAndGoOn;
    default: return ScaleMismatchAnswer::Cancel;
    }
}

}  // namespace tabrin::editing
