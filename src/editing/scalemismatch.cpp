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
    std::string text = translator.tr(
                           "Форматы или значения МК в словаре и файле параметров не совпадают.\r\nЭто может вызвать "
                           "различные ошибки в случае загрузки параметров.") +
                       "\n\n" + translator.tr("Номер") + ": " + translator.tr("В словаре:") + " | " +
                       translator.tr("В файле параметров:") + "\n";
    for (const ScaleMismatchRow& row : rows) {
        if (!row.differs()) continue;
        text += row.number + ": " + row.profileValue + " " + row.profileFormat + " | " + row.fileValue + " " +
                row.fileFormat + "\n";
    }
    text += "\n" +
            translator.tr(
                "Следует ли заменить МК в словаре на МК из файла параметров\r\nи перезагрузить словарь для "
                "сравнения?") +
            "\n\n" + translator.tr("Да: Заменить и перейти к сравнению словарей") + "\n" +
            translator.tr("Нет: Перейти к сравнению без замены МК (не рекоменд.)") + "\n" +
            translator.tr("Отмена: Отмена");
    const app::MessageAnswer answer = port.ask({translator.tr("Масштабирующие коэффициенты не совпадают"), text,
                                                app::MessageButtons::YesNoCancel, app::MessageIcon::Warning});
    switch (answer) {
    case app::MessageAnswer::Yes: return ScaleMismatchAnswer::Replace;
    case app::MessageAnswer::No: return ScaleMismatchAnswer::KeepAndGoOn;
    default: return ScaleMismatchAnswer::Cancel;
    }
}

}  // namespace tabrin::editing
