// The index and group ranges of the report window as the user typed them, read into report options.
#include "report/reportranges.h"

#include "app/formattext.h"
#include "app/integertext.h"
#include "app/translator.h"

namespace tabrin::report {
namespace {

app::Message refusal(const char* pattern, const std::string& text, app::Translator& translator) {
    return {translator.tr("Ошибка"),
            app::formatText(translator.tr(pattern), {text}), app::MessageButtons::Ok,
            app::MessageIcon::Error};
}

}  // namespace

std::optional<app::Message> readReportRanges(const ReportRangeTexts& texts, ReportOptions& options,
                                             app::Translator& translator) {
    constexpr const char* kNotAnIndex = "'%s' не является шестнадцатеричным индексом.";
    constexpr const char* kNotAGroup = "'%s' не является номером группы.";
    const std::optional<std::uint32_t> startIndex = parseIndexBound(texts.startIndex);
    if (!startIndex) return refusal(kNotAnIndex, texts.startIndex, translator);
    const std::optional<std::uint32_t> endIndex = parseIndexBound(texts.endIndex);
    if (!endIndex) return refusal(kNotAnIndex, texts.endIndex, translator);
    const std::optional<int> startGroup = app::toInteger(texts.startGroup);
    if (!startGroup) return refusal(kNotAGroup, texts.startGroup, translator);
    const std::optional<int> endGroup = app::toInteger(texts.endGroup);
    if (!endGroup) return refusal(kNotAGroup, texts.endGroup, translator);
    options.startIndex = *startIndex;
    options.endIndex = *endIndex;
    options.startGroup = *startGroup;
    options.endGroup = *endGroup;
    return std::nullopt;
}

}  // namespace tabrin::report
