// Reading a profile: the file (or standard input) and its settings, scale table and configurations.
#include <cstdio>
#include <memory>
#include <new>

#include "app/cp1251.h"
#include "app/fileread.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "model/configurationstream.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "model/profileencoding.h"

namespace tabrin::model {
namespace {

const TOperationResult kNoMemory{3, u"Unable to allocate memory"};

std::string readText(const XMLNode& node, std::string_view name) { return node.attributeText(name); }

bool readFlag(const XMLNode& node, std::string_view name) { return node.attributeText(name) == "true"; }

// An absent or empty attribute takes `fallback`.
std::string readWithDefault(const XMLNode& node, std::string_view name, std::string_view fallback) {
    const std::string value = node.attributeText(name);
    return value.empty() ? std::string(fallback) : value;
}

int readDecimal(const XMLNode& node, std::string_view name, int fallback) {
    return app::toInteger(node.attributeText(name)).value_or(fallback);
}

TOperationResult readStandardInput(std::string& text) {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kStdinBufferSize]);
    if (!buffer) return {3, u"Error allocating memory for stdin buffer"};
    const std::size_t read = std::fread(buffer.get(), 1, kStdinBufferSize, stdin);
    if (read == kStdinBufferSize) {
        return TOperationResult::fromText(1, "Size of data read from 'stdin' exceeds input buffer size (" +
                                                 std::to_string(kStdinBufferSize - 1) + " bytes)");
    }
    text.assign(buffer.get(), read);
    return {};
}

}  // namespace

TOperationResult Profile::load(const std::filesystem::path& file) {
    reset();
    // A profile too large for the memory left fails like one too large to read.
    try {
        if (readFile(file).ok()) parse();
    } catch (const std::bad_alloc&) {
        reset();
        outcome = kNoMemory;
    }
    return outcome;
}

TOperationResult Profile::readFile(const std::filesystem::path& file) {
    text.clear();
    path = file.string();
    std::string shown = "stdin";
    if (file == "stdin") {
        if (const TOperationResult input = readStandardInput(text); !input.ok()) return outcome = input;
    } else {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
        shown = cp1251::fromUtf8((ec ? file : absolute).string());
        app::FileReadResult read = app::readRegularFile(absolute, kMaxProfileFileSize);
        switch (read.status) {
        case app::FileReadStatus::Read: text = std::move(read.bytes); break;
        case app::FileReadStatus::TooLarge:
        case app::FileReadStatus::NoMemory: return outcome = kNoMemory;
        case app::FileReadStatus::CannotRead:
            return outcome = TOperationResult::fromText(4, "Error reading profile '" + shown + "'");
        case app::FileReadStatus::Missing:
        case app::FileReadStatus::CannotOpen:
        case app::FileReadStatus::NotRegular:
            return outcome = TOperationResult::fromText(2, "Can't open file '" + shown + "' to read profile");
        }
    }
    if (std::optional<std::u16string> refusal = convertUtf8Profile(text, shown)) {
        text.clear();
        return outcome = {4, std::move(*refusal)};
    }
    return outcome = {};
}

ParsedProfile parseProfileText(std::string text, std::string_view pathText, xml::ElementStream* stream) {
    const xml::CharacterMode mode = xml::characterMode();
    xml::setCharacterMode(xml::CharacterMode::EightBit);
    xml::XMLResults results;
    // The parser decodes the text in place and keeps it as long as the tree lives.
    XMLNode root = XMLNode::parseString(std::move(text), "root", &results, stream);
    xml::setCharacterMode(mode);
    if (root.isEmpty()) return {{}, {5, u"'root' node not found"}};
    // A truncated file still gives a tree; opening it would silently lose what was cut off.
    if (results.error != xml::XMLError::None) {
        return {{}, TOperationResult::fromText(5, XMLNode::parseErrorMessage(pathText, results, "root"))};
    }
    return {std::move(root), {}};
}

TOperationResult Profile::parse() {
    // The text goes to the parser: the file is never held twice. The objects come out of the
    // parser one by one, so that no tree of them is ever built.
    ConfigurationStream stream;
    ParsedProfile parsed = parseProfileText(std::move(text), cp1251::fromUtf8(path), &stream);
    text.clear();
    if (!parsed.outcome.ok()) return outcome = parsed.outcome;
    const XMLNode root = std::move(parsed.root);
    const XMLNode settingsNode = root.child("dictionary_settings");
    if (settingsNode.isEmpty()) return outcome = {5, u"'dictionary_settings' node not found"};
    readSettings(settingsNode);

    if (const XMLNode eds = root.child("eds_header"); !eds.isEmpty()) header_text = eds.attributeText("header_text");

    const XMLNode scales = root.child("scale_numbers");
    for (int i = 0; i < scales.childCount(); ++i) scaleNumbers.emplace_back().readFromXml(scales.child(i));

    SubProfile base = finishConfiguration(std::move(stream.base()).value_or(StagedConfiguration()), 0);
    if (!base.outcome.ok()) return outcome = {5, base.outcome.message};
    base.name = m_translator.tr("Базовый профиль");
    configurations.push_back(std::move(base));

    std::deque<StagedConfiguration>& further = stream.further();
    for (int j = 1; !further.empty(); ++j) {
        SubProfile configuration = finishConfiguration(std::move(further.front()), j);
        further.pop_front();
        if (configuration.outcome.ok()) configurations.push_back(std::move(configuration));
    }
    setCurrent(CurrSubProfile);
    deriveVendorToken();
    return outcome = {};
}

void Profile::readSettings(const XMLNode& node) {
    settings.group_set = readText(node, "group_set");
    const std::string series = readText(node, "proc_series");
    if (series == "24") {
        settings.proc_series = ProcessorSeries::Assembler;
        settings.Vost_inc = readFlag(node, "Vost_inc");
    } else if (series == "28") {
        settings.proc_series = ProcessorSeries::CCode;
        settings.prefix = integerAttribute(readText(node, "prefix"));
        settings.AddrComm1 = readWithDefault(node, "AddrComm1", kModule1Start);
        settings.AddrUser1 = readWithDefault(node, "AddrUser1", kModule1Start);
        settings.AddrComm2 = readWithDefault(node, "AddrComm2", kModule2Start);
        settings.AddrUser2 = readWithDefault(node, "AddrUser2", kModule1Start);
        settings.BigYA = readFlag(node, "BigYA");
        settings.M3Includes = readFlag(node, "M3Includes");
        settings.FormatType = readText(node, "FormatType") == "1";
        settings.GenVostCToFolder = readFlag(node, "GenVostCToFolder");
        settings.VostCFolder = readText(node, "VostCFolder");
        settings.GenPUTextsToFolder = readFlag(node, "GenPUTextsToFolder");
        settings.PUCodeType = readDecimal(node, "PUCodeType", 0);
        settings.PUTextsType = readDecimal(node, "PUTextsType", 2);
        settings.PUEnumsType = readDecimal(node, "PUEnumsType", m_language == app::Language::English ? 3 : 2);
        settings.PUUseOtherEnumIfNoGiven = readFlag(node, "PUUseOtherEnumIfNoGiven");
        settings.PUTextsHPath = readText(node, "PUTextsHPath");
        settings.PUTextsHInc = readWithDefault(node, "PUTextsHInc", kDefaultPUTextsHInc);
        settings.PUTextsCPath = readText(node, "PUTextsCPath");
        settings.PUTextsCInc = readWithDefault(node, "PUTextsCInc", kDefaultPUTextsCInc);
    }
    settings.old_groups = readFlag(node, "old_groups");
    // A position that is not a decimal number selects the base profile.
    CurrSubProfile = readDecimal(node, "CurrSubProfile", 0);
}

SubProfile Profile::finishConfiguration(StagedConfiguration staged, int position) {
    SubProfile configuration;
    configuration.name = staged.name ? std::move(*staged.name) : m_translator.tr("Без имени");
    configuration.outcome = staged.outcome;
    auto& objects = configuration.objects = std::move(staged.objects);
    for (DictObject& object : objects) {
        object.configuration = position;
        object.serial = newSerial();
    }
    sortObjects(objects);
    // A root counts the objects of its index that follow it, and gives them its group.
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (!objects[i].isRoot()) continue;
        std::size_t end = i + 1;
        while (end < objects.size() && objects[end].index == objects[i].index) objects[end++].group = objects[i].group;
        objects[i].format = std::to_string(end - i - 1);
    }
    return configuration;
}

void Profile::deriveVendorToken() {
    vendorToken.clear();
    for (const DictObject& object : configurations.front().objects) {
        if (object.index != "2600h" || object.subindex != "01h" || object.defaultValue.empty()) continue;
        const std::optional<std::int64_t> value = toIntegerAutoBase(object.defaultValue);
        if (!value || *value <= 0) continue;
        char token[9];
        std::snprintf(token, sizeof token, "%08X", static_cast<unsigned>(*value));
        vendorToken = token;
    }
}

}  // namespace tabrin::model
