// A parameter file ("kvpx") of the maker's setup tool as data: its parameters in file order with
// the access and type their format words give, their values (float bit patterns decoded), names
// from the text base, the group enumeration it names, and the four ways to select parameters.
#include "editing/parameterfile.h"

#include <bit>
#include <climits>
#include <cstdint>

#include "app/cp1251.h"
#include "app/fileread.h"
#include "app/floattext.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "bases/textbase.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kBrokenRecord = "Ошибка чтения файла настроек. Битая запись: \n";
constexpr std::uint32_t kLastStandardIndex = 0x2500;

// An integer attribute within [0, limit]; nothing for anything else.
std::optional<int> boundedNumber(const xml::XMLNode& node, std::string_view name, long long limit) {
    const std::optional<long long> value = app::toLongLong(node.attributeText(name));
    if (!value || *value < 0 || *value > limit) return std::nullopt;
    return static_cast<int>(*value);
}

std::string brokenRecord(const xml::XMLNode& node) {
    return cp1251::fromUtf8(kBrokenRecord) + "abs_index=" + node.attributeText("abs_index") + "\n" +
           "co_index=" + node.attributeText("co_index") + "\n" + "co_subindex=" + node.attributeText("co_subindex");
}

// A float's 32 bits written as a decimal integer, as the tool saves float values.
std::string floatFromBits(const std::string& value) {
    const std::optional<long long> bits = app::toLongLong(value);
    if (!bits || *bits < INT32_MIN || *bits > UINT32_MAX) return value;
    return app::generalText(std::bit_cast<float>(static_cast<std::uint32_t>(*bits)));
}

}  // namespace

model::Access parameterAccess(unsigned word) { return static_cast<model::Access>(((word >> 14) & 3) + 1); }

model::FormatType parameterType(unsigned word) {
    if (word <= 255) return model::FormatType::Root;
    const bool bit13 = (word & 0x2000) != 0;
    const bool bit12 = (word & 0x1000) != 0;
    if (bit13 && bit12) return model::FormatType::Float;
    if (bit13) return model::FormatType::Bit;
    if (bit12) return model::FormatType::IQ;
    return model::FormatType::StandartNum;
}

ParameterFileReading readParameterFile(const std::string& text, std::string_view pathText,
                                       const bases::TextBase& texts) {
    ParameterFileReading reading;
    const model::ParsedProfile parsed = model::parseProfileText(text, pathText);
    if (!parsed.outcome.ok()) {
        reading.error = cp1251::fromUtf16(parsed.outcome.message);
        return reading;
    }
    // One pass over the children: looking up the i-th "param" each time would start from the first.
    int records = 0;
    for (int child = 0; child < parsed.root.childCount(); ++child) {
        const xml::XMLNode node = parsed.root.child(child);
        if (node.name() != "param") continue;
        const int i = records++;
        const std::optional<int> position = app::toInteger(node.attributeText("abs_index"));
        const std::optional<int> index = boundedNumber(node, "co_index", 0xFFFF);
        const std::optional<int> subindex = boundedNumber(node, "co_subindex", 0xFF);
        // Any record that cannot name a parameter breaks the file, as one out of place does.
        if (position != i || !index || !subindex) {
            reading.error = brokenRecord(node);
            return reading;
        }
        Parameter& parameter = reading.file.parameters.emplace_back();
        parameter.index = model::numberToHexText(static_cast<std::uint32_t>(*index), 4);
        parameter.subindex = model::numberToHexText(static_cast<std::uint32_t>(*subindex), 2);
        const auto word = static_cast<unsigned>(app::toLongLong(node.attributeText("format")).value_or(0) & 0xFFFF);
        parameter.format = std::to_string(word);
        parameter.access = parameterAccess(word);
        parameter.type = parameterType(word);
        // What the tool had checked counts only where a selection can be made.
        parameter.selected = app::toInteger(node.attributeText("checked")) == 1 && parameter.selectable();
        parameter.value = node.attributeText("value");
        if (parameter.type == model::FormatType::Float) parameter.value = floatFromBits(parameter.value);
        parameter.textNumber = node.attributeText("text_num");
        parameter.group = node.attributeText("group_num");
        parameter.info = node.attributeText("info_value");
        if (const int found = texts.find(parameter.textNumber); found >= 0) {
            const bases::TextBaseElement& named = texts.elements()[static_cast<std::size_t>(found)];
            parameter.name = named.trus;
            parameter.nameEng = named.teng;
            parameter.text = named.text;
        } else {
            parameter.name = parameter.text = "_";
        }
        if (parameter.address() == "2534h.01h")
            reading.file.groupSet = app::toInteger(parameter.value).value_or(kDefaultParameterGroupSet);
    }
    return reading;
}

ParameterFileReading readParameterFileAt(const std::filesystem::path& path, const bases::TextBase& texts) {
    const std::string shown = cp1251::fromUtf8(path.string());
    app::FileReadResult read = app::readRegularFile(path, kMaxParameterFileSize);
    switch (read.status) {
    case app::FileReadStatus::Read: return readParameterFile(read.bytes, shown, texts);
    case app::FileReadStatus::TooLarge:
        return {{},
                "Parameter file '" + shown + "' is larger than " + std::to_string(kMaxParameterFileSize >> 20) + " MB"};
    case app::FileReadStatus::NoMemory: return {{}, "Not enough memory to read parameter file '" + shown + "'"};
    case app::FileReadStatus::CannotRead: return {{}, "Error reading parameter file '" + shown + "'"};
    case app::FileReadStatus::Missing:
    case app::FileReadStatus::CannotOpen:
    case app::FileReadStatus::NotRegular: break;
    }
    return {{}, "Can't open file '" + shown + "' to read parameters"};
}

void selectParameters(ParameterFile& file, ParameterSelection selection) {
    for (Parameter& parameter : file.parameters) {
        const std::uint32_t index = model::hexTextToNumber(parameter.index);
        bool chosen = false;
        switch (selection) {
        case ParameterSelection::All:
            chosen = true;
            break;
        case ParameterSelection::None:
            break;
        case ParameterSelection::Standard:
            chosen = index <= kLastStandardIndex;
            break;
        case ParameterSelection::AllButStandard:
            chosen = index > kLastStandardIndex && parameter.address() != "250Fh.00h";
            break;
        }
        parameter.selected = chosen && parameter.selectable();
    }
}

}  // namespace tabrin::editing
