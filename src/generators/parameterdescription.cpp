// The sentence that tells what a format word means, written beside it in the assembler file.
#include "generators/parameterdescription.h"

#include <array>
#include <string_view>

#include "app/translator.h"
#include "generators/formatword.h"

namespace tabrin::generators {
namespace {

constexpr std::array<std::string_view, 4> kAccess = {
    "Наблюдаемый ", "Редактируемый ", "Защищенный редактируемый ", "Секретный защищенный редактируемый "};
constexpr std::array<std::string_view, 4> kBitDisplay = {
    "виде текстовых надписей.", "двоичной системе счисления.", "десятичной системе счисления.",
    "шестнадцатеричной системе счисления."};
constexpr std::array<std::string_view, 6> kStandardNumbers = {
    "беззнаковый байт.", "знаковый байт.", "беззнаковый 16-разрядный параметр.", "знаковый 16-разрядный параметр.",
    "беззнаковый 32-разрядный параметр.", "знаковый 32-разрядный параметр."};

// Lengths after which Russian counts "бит" rather than "бита".
bool takesPluralBit(int length) { return length == 1 || (length >= 5 && length <= 8); }

}  // namespace

std::string describeParameter(int formatWord, app::Translator& translator) {
    const auto tr = [&](std::string_view utf8) { return translator.tr(utf8); };
    if (formatWord < kRootFormatLimit) return tr("Параметр является корневым в группе под-индексов.");

    std::string text = tr(kAccess[static_cast<std::size_t>((formatWord >> 14) & 3)]);
    if (formatWord & 0x2000) {
        if (formatWord & 0x1000) return text + tr("параметр с плавающей точкой");
        text += tr("битовый параметр") + tr(" со значениями, отображаемыми в ");
        if (const std::size_t display = (formatWord >> 8) & 0xF; display < kBitDisplay.size()) {
            text += tr(kBitDisplay[display]);
        }
        const int length = (formatWord >> 4) & 0xF;
        text += tr(" Параметр содержит ") + std::to_string(length);
        text += tr(takesPluralBit(length) ? " бит, начиная с " : " бита, начиная с ");
        return text + std::to_string(formatWord & 0xF) + tr("-ого бита.");
    }
    text += tr("числовой ");
    if (formatWord & 0x1000) return text + tr("Q-типа ");
    text += tr("стандартный ");
    if (const std::size_t number = (formatWord >> 8) & 7; number < kStandardNumbers.size()) {
        text += tr(kStandardNumbers[number]);
    }
    return text;
}

}  // namespace tabrin::generators

