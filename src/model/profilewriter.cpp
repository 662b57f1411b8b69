// Writing a profile's file: settings by processor series, EDS header, scale table and configurations.
#include <cstdio>

#include "app/cp1251.h"
#include "app/filewrite.h"
#include "app/integertext.h"
#include "app/version.h"
#include "model/profile.h"
#include "xml/xmlstreamwriter.h"

namespace tabrin::model {
namespace {

const char* flagText(bool flag) { return flag ? "true" : "false"; }

std::string numberedName(const char* format, int position) {
    char name[32];
    std::snprintf(name, sizeof name, format, position);
    return name;
}

// Reading takes an empty text for its default; writing the default keeps the file's meaning
// when it is read back and saved again.
std::string_view orDefault(const std::string& text, std::string_view fallback) {
    return text.empty() ? fallback : std::string_view(text);
}

}  // namespace

void writeSettings(XMLNode node, const ProfileSettings& s, int currentConfiguration) {
    node.addAttribute("group_set", s.group_set);
    if (s.proc_series == ProcessorSeries::CCode) {
        node.addAttribute("proc_series", "28");
        node.addAttribute("prefix", std::to_string(s.prefix));
        node.addAttribute("AddrComm1", orDefault(s.AddrComm1, kModule1Start));
        node.addAttribute("AddrUser1", orDefault(s.AddrUser1, kModule1Start));
        node.addAttribute("AddrComm2", orDefault(s.AddrComm2, kModule2Start));
        node.addAttribute("AddrUser2", orDefault(s.AddrUser2, kModule1Start));
        node.addAttribute("BigYA", flagText(s.BigYA));
        node.addAttribute("M3Includes", flagText(s.M3Includes));
        node.addAttribute("Use6000Range", "true");
        node.addAttribute("FormatType", s.FormatType ? "1" : "0");
        node.addAttribute("GenVostCToFolder", flagText(s.GenVostCToFolder));
        node.addAttribute("VostCFolder", s.VostCFolder);
        node.addAttribute("GenPUTextsToFolder", flagText(s.GenPUTextsToFolder));
        node.addAttribute("PUCodeType", std::to_string(s.PUCodeType));
        node.addAttribute("PUTextsType", std::to_string(s.PUTextsType));
        node.addAttribute("PUEnumsType", std::to_string(s.PUEnumsType));
        node.addAttribute("PUUseOtherEnumIfNoGiven", flagText(s.PUUseOtherEnumIfNoGiven));
        node.addAttribute("PUTextsHPath", s.PUTextsHPath);
        node.addAttribute("PUTextsHInc", orDefault(s.PUTextsHInc, kDefaultPUTextsHInc));
        node.addAttribute("PUTextsCPath", s.PUTextsCPath);
        node.addAttribute("PUTextsCInc", orDefault(s.PUTextsCInc, kDefaultPUTextsCInc));
    } else {
        node.addAttribute("proc_series", "24");
        node.addAttribute("Vost_inc", flagText(s.Vost_inc));
    }
    node.addAttribute("old_groups", flagText(s.old_groups));
    node.addAttribute("CurrSubProfile", std::to_string(currentConfiguration));
}

namespace {

// Writes every object even after one fails; the outcome is the last failure. Each object is a
// tree of its own, written and dropped, so that the file is never held as one tree.
TOperationResult writeConfiguration(xml::XMLStreamWriter& writer, std::string_view elementName,
                                    SubProfile& configuration, const ObjectWriteContext& context) {
    sortObjects(configuration.objects);
    configuration.outcome = {};
    const xml::XMLAttribute name[] = {{"name", configuration.name}};
    writer.open(elementName, name);
    for (DictObject& object : configuration.objects) {
        XMLNode element = XMLNode::createDocument();
        const TOperationResult result = object.writeToXml(element, context);
        if (!result.ok()) configuration.outcome = {3, result.message};
        writer.write(element.child(0));
    }
    writer.close();
    return configuration.outcome;
}

}  // namespace

TOperationResult Profile::save(const std::filesystem::path& file, const bases::SetBase& sets) {
    // The group enumeration names every object's group; a number that is not one is refused too.
    const std::optional<int> groupSet = app::toInteger(settings.group_set);
    if (!groupSet) return outcome = TOperationResult::fromText(6, cp1251::fromUtf8("Не задан номер перечисления с названиями групп параметров"));

    // Everything but the objects is a small tree.
    const XMLNode declaration = xml::createProgramDocument();
    XMLNode head = XMLNode::createDocument();
    writeSettings(head.addChild("dictionary_settings"), settings, CurrSubProfile);
    head.addChild("eds_header").addAttribute("header_text", header_text);
    XMLNode scales = head.addChild("scale_numbers");
    for (std::size_t k = 0; k < scaleNumbers.size(); ++k) {
        const TOperationResult result = scaleNumbers[k].writeToXml(scales, numberedName("scale_%02d", static_cast<int>(k)));
        if (!result.ok()) return outcome = {6, result.message};
    }

    // The whole file is formatted into one buffer and written in one go.
    std::string text;
    xml::XMLStreamWriter writer(text);
    writer.write(declaration.child(0));
    const std::string version = app::versionText(TABRIN_VERSION);
    const xml::XMLAttribute rootAttributes[] = {{"Tabrin4", version}};
    writer.open("root", rootAttributes);
    for (int i = 0; i < head.childCount(); ++i) writer.write(head.child(i));
    const ObjectWriteContext context{scaleNumbers, sets, *groupSet, m_language, m_translator};
    if (configurations.empty()) {
        writer.open("Indexes");
        writer.close();
    }
    for (std::size_t c = 0; c < configurations.size(); ++c) {
        const std::string elementName = c == 0 ? "Indexes" : numberedName("SubProfile_%02d", static_cast<int>(c));
        const TOperationResult result = writeConfiguration(writer, elementName, configurations[c], context);
        if (!result.ok()) {
            rebuildView();
            return outcome = {6, result.message};
        }
        if (c == 0) writer.open("SubProfiles");
    }
    if (configurations.empty()) writer.open("SubProfiles");
    writer.close();  // SubProfiles
    writer.close();  // root
    rebuildView();   // writing sorted the configurations under the view

    int systemError = 0;
    const xml::XMLError error = xml::writeDocumentText(file, text, &systemError);
    if (error != xml::XMLError::None) {
        std::string message = "Function 'XMLNode::writeToFile' returned error: " + std::to_string(static_cast<int>(error));
        if (systemError != 0) message += " (" + app::systemErrorText(systemError) + ")";
        return outcome = TOperationResult::fromText(6, message);
    }
    return outcome = {};
}

}  // namespace tabrin::model
