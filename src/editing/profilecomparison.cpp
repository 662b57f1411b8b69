// Comparing two views of dictionary objects, or two configurations of profiles with their settings
// and scale tables, field by field as the profile file stores them; and the comparison as text.
#include "editing/profilecomparison.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <span>
#include <string_view>
#include <utility>

#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

using model::DictObject;
using xml::XMLNode;
using Attributes = std::vector<std::pair<std::string, std::string>>;

// Copies of the text base, and the group name that saving derives from the group.
constexpr std::array<std::string_view, 3> kObjectCopies = {"name", "text", "groupName"};
// Which configuration was chosen last is the editor's state, not the dictionary's.
constexpr std::array<std::string_view, 1> kEditorState = {"CurrSubProfile"};

void collectAttributes(const XMLNode& element, Attributes& into) {
    for (int i = 0; i < element.attributeCount(); ++i) {
        const xml::XMLAttribute* attribute = element.attribute(i);
        into.emplace_back(attribute->name, attribute->value.value_or(""));
    }
    for (int i = 0; i < element.childCount(); ++i) collectAttributes(element.child(i), into);
}

// What the file would hold: the attributes of the elements `write` adds below an empty one, each
// element's own before its children's. Writing is the one place that knows what the file stores.
Attributes writtenAttributes(const std::function<void(XMLNode)>& write) {
    XMLNode holder = XMLNode::createDocument().addChild("holder");
    write(holder);
    Attributes attributes;
    for (int i = 0; i < holder.childCount(); ++i) collectAttributes(holder.child(i), attributes);
    return attributes;
}

const std::string* valueOf(const Attributes& attributes, std::string_view field) {
    const auto found = std::find_if(attributes.begin(), attributes.end(),
                                    [&](const auto& attribute) { return attribute.first == field; });
    return found == attributes.end() ? nullptr : &found->second;
}

// The fields of A in A's order, then those only B stores; an attribute a side lacks counts as empty.
std::vector<FieldChange> changedFields(const Attributes& a, const Attributes& b,
                                       std::span<const std::string_view> ignored = {}) {
    const auto isIgnored = [&](std::string_view field) {
        return std::find(ignored.begin(), ignored.end(), field) != ignored.end();
    };
    static const std::string kAbsent;
    std::vector<FieldChange> changes;
    for (const auto& [field, value] : a) {
        const std::string* other = valueOf(b, field);
        if (!isIgnored(field) && value != (other ? *other : kAbsent))
            changes.push_back({field, value, other ? *other : kAbsent});
    }
    for (const auto& [field, value] : b) {
        if (!isIgnored(field) && !valueOf(a, field) && !value.empty()) changes.push_back({field, kAbsent, value});
    }
    return changes;
}

// The object as saving would leave it, without what the file does not keep or takes from elsewhere.
DictObject storedPart(const DictObject& object, const std::vector<model::ScaleNumber>& scaleNumbers) {
    DictObject stored = object;
    model::takeScaleCoefficient(stored, scaleNumbers);
    stored.outcome = {};
    stored.text.clear();
    stored.nameEng.clear();
    stored.name.clear();
    stored.groupName.clear();
    stored.format.clear();
    stored.number = -1;
    stored.configuration = 0;
    stored.serial = 0;
    return stored;
}

class ObjectComparer {
public:
    ObjectComparer(const ComparedView& a, const ComparedView& b, const ComparisonContext& context)
        : m_a(a), m_b(b), m_context(context) {}

    std::vector<FieldChange> changes(const DictObject& a, const DictObject& b) const {
        DictObject storedA = storedPart(a, m_a.scaleNumbers);
        DictObject storedB = storedPart(b, m_b.scaleNumbers);
        // Equal objects write equal elements; only the others need writing.
        if (storedA == storedB) return {};
        return changedFields(attributes(storedA, m_a), attributes(storedB, m_b), kObjectCopies);
    }

    std::string name(const DictObject& object) const {
        const int found = m_context.texts.find(object.textID);
        if (found < 0) return object.name;
        const bases::TextBaseElement& text = m_context.texts.elements()[static_cast<std::size_t>(found)];
        const bool english = m_context.language == app::Language::English;
        for (const std::string* candidate :
             {english ? &text.teng : &text.trus, english ? &text.trus : &text.teng, &text.text}) {
            if (!candidate->empty()) return *candidate;
        }
        return object.name;
    }

private:
    Attributes attributes(DictObject& object, const ComparedView& side) const {
        // The group name is no field of its own, so no enumeration base is needed to write it.
        const model::ObjectWriteContext write{side.scaleNumbers, m_noSets, -1, m_context.language,
                                              m_context.translator};
        return writtenAttributes([&](XMLNode parent) { object.writeToXml(parent, write); });
    }

    const ComparedView& m_a;
    const ComparedView& m_b;
    const ComparisonContext& m_context;
    const bases::SetBase m_noSets;
};

std::vector<const DictObject*> inObjectOrder(std::vector<const DictObject*> objects) {
    std::stable_sort(objects.begin(), objects.end(),
                     [](const DictObject* x, const DictObject* y) { return model::lessThan(*x, *y); });
    return objects;
}

bool sameAddress(const DictObject& x, const DictObject& y) { return x.index == y.index && x.subindex == y.subindex; }

// The end of the run of objects from `first` at the address of `object`.
std::size_t runEnd(const std::vector<const DictObject*>& objects, std::size_t first, const DictObject& object) {
    while (first < objects.size() && sameAddress(*objects[first], object)) ++first;
    return first;
}

Attributes settingsAttributes(const model::Profile& profile) {
    Attributes attributes = writtenAttributes([&](XMLNode parent) {
        model::writeSettings(parent.addChild("dictionary_settings"), profile.settings, profile.CurrSubProfile);
    });
    attributes.emplace_back("header_text", profile.header_text);
    return attributes;
}

Attributes scaleAttributes(model::ScaleNumber scale) {
    return writtenAttributes([&](XMLNode parent) { scale.writeToXml(parent, "scale"); });
}

std::vector<ScaleDifference> compareScaleTables(const std::vector<model::ScaleNumber>& a,
                                                const std::vector<model::ScaleNumber>& b) {
    std::vector<ScaleDifference> differences;
    for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
        const int position = static_cast<int>(k);
        if (k >= b.size()) {
            differences.push_back({DifferenceKind::OnlyInA, position, a[k].name, {}});
        } else if (k >= a.size()) {
            differences.push_back({DifferenceKind::OnlyInB, position, b[k].name, {}});
        } else if (std::vector<FieldChange> fields = changedFields(scaleAttributes(a[k]), scaleAttributes(b[k]));
                   !fields.empty()) {
            differences.push_back({DifferenceKind::Changed, position, b[k].name, std::move(fields)});
        }
    }
    return differences;
}

std::vector<const DictObject*> viewOf(model::Profile& profile, int configuration) {
    profile.setCurrent(configuration);
    return {profile.view().begin(), profile.view().end()};
}

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (const auto byte = static_cast<unsigned char>(c); byte < 0x20 || byte == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

char marker(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::OnlyInA: return '-';
    case DifferenceKind::OnlyInB: return '+';
    case DifferenceKind::Changed: break;
    }
    return '~';
}

std::string scaleKey(int position) {
    char key[32];
    std::snprintf(key, sizeof key, "scale_%02d", position);
    return key;
}

// An object or coefficient only on one side gives one line; a changed one a line per field.
void appendLines(std::vector<ComparisonLine>& lines, const ComparisonLine& head,
                 const std::vector<FieldChange>& fields) {
    if (head.kind != DifferenceKind::Changed) lines.push_back(head);
    for (const FieldChange& field : fields) {
        lines.push_back(head);
        lines.back().change = field;
    }
}

}  // namespace

std::vector<ObjectDifference> compareViews(const ComparedView& a, const ComparedView& b,
                                           const ComparisonContext& context) {
    const ObjectComparer comparer(a, b, context);
    const std::vector<const DictObject*> left = inObjectOrder(a.objects);
    const std::vector<const DictObject*> right = inObjectOrder(b.objects);
    std::vector<ObjectDifference> differences;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < left.size() || j < right.size()) {
        const DictObject& next =
            j == right.size() || (i < left.size() && !model::lessThan(*right[j], *left[i])) ? *left[i] : *right[j];
        const std::size_t leftEnd = runEnd(left, i, next);
        const std::size_t rightEnd = runEnd(right, j, next);
        for (int occurrence = 1; i < leftEnd || j < rightEnd; ++occurrence) {
            const DictObject* inA = i < leftEnd ? left[i++] : nullptr;
            const DictObject* inB = j < rightEnd ? right[j++] : nullptr;
            std::vector<FieldChange> fields;
            if (inA && inB) {
                fields = comparer.changes(*inA, *inB);
                if (fields.empty()) continue;
            }
            const DifferenceKind kind = !inB   ? DifferenceKind::OnlyInA
                                        : !inA ? DifferenceKind::OnlyInB
                                               : DifferenceKind::Changed;
            ObjectDifference difference{kind,
                                        next.address(),
                                        occurrence,
                                        comparer.name(inB ? *inB : *inA),
                                        inA ? inA->serial : 0,
                                        inB ? inB->serial : 0,
                                        std::move(fields)};
            differences.push_back(std::move(difference));
        }
    }
    return differences;
}

ProfileComparison compareProfiles(const model::Profile& a, int configurationA, const model::Profile& b,
                                  int configurationB, const ComparisonContext& context) {
    // The views are built on copies: the profiles keep their own current configurations.
    model::Profile left = a;
    model::Profile right = b;
    ProfileComparison comparison;
    comparison.objects = compareViews({viewOf(left, configurationA), left.scaleNumbers},
                                      {viewOf(right, configurationB), right.scaleNumbers}, context);
    comparison.settings = changedFields(settingsAttributes(a), settingsAttributes(b), kEditorState);
    comparison.scaleNumbers = compareScaleTables(a.scaleNumbers, b.scaleNumbers);
    return comparison;
}

std::vector<ComparisonLine> comparisonLines(const ProfileComparison& comparison) {
    std::vector<ComparisonLine> lines;
    for (const ObjectDifference& object : comparison.objects) {
        std::string address = object.address;
        if (object.occurrence > 1) address += "#" + std::to_string(object.occurrence);
        appendLines(
            lines,
            {object.kind, ComparedPart::Object, std::move(address), 0, object.name, {}, object.serialA, object.serialB},
            object.fields);
    }
    appendLines(lines, {DifferenceKind::Changed, ComparedPart::Settings, "", 0, "", {}, 0, 0}, comparison.settings);
    for (const ScaleDifference& scale : comparison.scaleNumbers) {
        appendLines(lines, {scale.kind, ComparedPart::ScaleNumber, "", scale.position, scale.name, {}, 0, 0},
                    scale.fields);
    }
    return lines;
}

std::string comparisonText(const std::vector<ComparisonLine>& lines) {
    std::string text;
    for (const ComparisonLine& line : lines) {
        text += marker(line.kind);
        switch (line.part) {
        case ComparedPart::Object: text += ' ' + line.address + ' ' + quotedText(line.name); break;
        case ComparedPart::Settings: text += " settings"; break;
        case ComparedPart::ScaleNumber: text += ' ' + scaleKey(line.position) + ' ' + quotedText(line.name); break;
        }
        if (!line.change.field.empty()) {
            text += ' ' + line.change.field + ": " + quotedText(line.change.a) + " -> " + quotedText(line.change.b);
        }
        text += '\n';
    }
    return text;
}

}  // namespace tabrin::editing
