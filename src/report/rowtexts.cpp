// The texts of one parameter's row in the report.
#include "report/rowtexts.h"

#include "model/dictobject.h"

namespace tabrin::report {
namespace {

constexpr std::size_t kShortenedEndLength = 25;

std::string_view firstNonEmpty(std::initializer_list<std::string_view> texts) {
    for (const std::string_view text : texts) {
        if (!text.empty()) return text;
    }
    return {};
}

std::string descriptionText(const model::DictObject& object, const std::string& units, const RowTextContext& context) {
    std::string description = object.description;
    if (description.empty()) {
        description = context.values.language == app::Language::Russian
                          ? firstNonEmpty({object.name, object.nameEng, object.text})
                          : firstNonEmpty({object.nameEng, object.text, object.name});
    }
    if (!units.empty()) description += description.empty() ? units : ", " + units;
    if (object.access() == model::Access::Secret) description += context.secretMark;
    return description;
}

std::string nameText(const model::DictObject& object, const RowTextContext& context) {
    if (!context.longTexts) return object.text;
    return context.values.language == app::Language::Russian ? object.name : object.nameEng;
}

std::string_view trimmedAddressPart(std::string_view text) {
    constexpr std::string_view kTrimmed = " \thH";
    const std::size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
}

}  // namespace

std::optional<ReportRow> reportRow(const model::DictObject& object, const RowTextContext& context) {
    std::optional<ValueTexts> values = valueTexts(object, context.values);
    if (!values) return std::nullopt;
    return ReportRow{descriptionText(object, values->units, context),
                     nameText(object, context),
                     rangeCellText(shortenedRange(std::move(values->range)), values->defaultText),
                     idSubIdText(object.index, object.subindex),
                     object.group,
                     object.addr};
}

std::string rangeCellText(std::string_view range, std::string_view defaultText) {
    std::string cell(range);
    if (!defaultText.empty() && defaultText != "?") cell.append("\n[").append(defaultText).append("]");
    return cell;
}

std::string shortenedRange(std::string range) {
    if (range.size() <= kMaxRangeLength) return range;
    return range.substr(0, kShortenedEndLength) + " ... " + range.substr(range.size() - kShortenedEndLength);
}

std::string idSubIdText(std::string_view index, std::string_view subindex) {
    return std::string(trimmedAddressPart(index)) + "." + std::string(trimmedAddressPart(subindex));
}

}  // namespace tabrin::report
