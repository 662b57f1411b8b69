// What a panel file takes from the chosen profile files: the text numbers of their base
// profiles and their group enumerations, read straight from the files.
#include "panel/profilenumbers.h"

#include "app/paths.h"
#include "panel/numberattribute.h"
#include "xml/xmlparser.h"

namespace tabrin::panel {
namespace {

// The `root` element, or an empty node when the file could not be read cleanly: a truncated
// profile would silently lose the texts of its missing part.
xml::XMLNode readProfileRoot(const std::string& file, app::MessagePort& port) {
    xml::XMLResults results;
    const xml::XMLNode root = xml::XMLNode::openFileForUser(app::nativePath(file), "root", port, &results);
    return results.error == xml::XMLError::None ? root : xml::XMLNode();
}

bool readTextNumbers(const xml::XMLNode& root, const std::string& file, std::vector<int>& numbers,
                     app::MessagePort& port, app::Translator& translator) {
    const xml::XMLNode baseProfile = root.child("Indexes");
    for (int i = 0; i < baseProfile.childCount(); ++i) {
        const xml::XMLNode object = baseProfile.child(i);
        const std::optional<int> number =
            readNumberAttribute(object.child("text").attributeText("textID"),
                                {app::shownPath(file), std::string(object.name()) + "/text", "textID"}, port,
                                translator);
        if (!number) return false;
        numbers.push_back(*number);
    }
    return true;
}

}  // namespace

std::optional<ProfileNumbers> readProfileNumbers(const std::vector<std::string>& files, bool withGroupSets,
                                                 app::MessagePort& port, app::Translator& translator,
                                                 const GenerationProgress& progress) {
    ProfileNumbers numbers;
    for (const std::string& file : files) {
        const xml::XMLNode root = readProfileRoot(file, port);
        if (!readTextNumbers(root, file, numbers.textNumbers, port, translator)) return std::nullopt;
        if (withGroupSets) {
            const std::optional<int> groupSet =
                readNumberAttribute(root.child("dictionary_settings").attributeText("group_set"),
                                    {app::shownPath(file), "dictionary_settings", "group_set"}, port, translator);
            if (!groupSet) return std::nullopt;
            numbers.groupSets.push_back(*groupSet);
        }
        progress.betweenEntries();
    }
    return numbers;
}

}  // namespace tabrin::panel
