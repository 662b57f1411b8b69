// Comparing two views of dictionary objects, or two configurations of profiles with their settings
// and scale tables, field by field as the profile file stores them; and the comparison as text.
#pragma once

#include <string>
#include <vector>

#include "app/language.h"
#include "model/dictobject.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class TextBase;
}
namespace tabrin::model {
class Profile;
}

namespace tabrin::editing {

enum class DifferenceKind { OnlyInA, OnlyInB, Changed };

/// One attribute of the file that differs; an attribute one side does not store counts as empty.
struct FieldChange {
    std::string field;  // the attribute's name in the file: "default", "DataType", "group_set", …
    std::string a;
    std::string b;

    bool operator==(const FieldChange&) const = default;
};

struct ObjectDifference {
    DifferenceKind kind = DifferenceKind::Changed;
    std::string address;  // "2000h.01h"
    /// The objects of a view at one address are paired in view order: 1 for the first of them.
    int occurrence = 1;
    std::string name;                 // from the text base, else the file's name (of B when both sides have one)
    model::ObjectSerial serialA = 0;  // 0 when A has no such object
    model::ObjectSerial serialB = 0;  // 0 when B has no such object
    std::vector<FieldChange> fields;  // what changed, for a changed object

    bool operator==(const ObjectDifference&) const = default;
};

/// Coefficients of the scale tables are paired by position.
struct ScaleDifference {
    DifferenceKind kind = DifferenceKind::Changed;
    int position = 0;
    std::string name;
    std::vector<FieldChange> fields;

    bool operator==(const ScaleDifference&) const = default;
};

struct ProfileComparison {
    std::vector<ObjectDifference> objects;      // in object order
    std::vector<FieldChange> settings;          // `dictionary_settings` and the EDS header
    std::vector<ScaleDifference> scaleNumbers;  // by position

    bool isEqual() const { return objects.empty() && settings.empty() && scaleNumbers.empty(); }
};

/// One side of an object comparison: the objects and the scale table that fills the defaults of
/// their scale-coefficient objects when they are written.
struct ComparedView {
    std::vector<const model::DictObject*> objects;
    const std::vector<model::ScaleNumber>& scaleNumbers;
};

/// What names the objects (their texts of the text base in the interface language) and what
/// writing them takes.
struct ComparisonContext {
    const bases::TextBase& texts;
    app::Language language;
    app::Translator& translator;
};

/// The objects only in A, only in B, and those whose written attributes differ, in object order.
/// Objects are compared as saving writes them (empty defaults as "0", scale-coefficient objects
/// from their scale table); the texts copied from the text base, the group name written beside
/// the group and the format word derived from the format are no fields of their own.
std::vector<ObjectDifference> compareViews(const ComparedView& a, const ComparedView& b,
                                           const ComparisonContext& context);

/// Configuration `configurationA` of `a` against `configurationB` of `b` (an invalid position
/// stands for the base profile): their views, then the settings (all but the configuration last
/// chosen) with the EDS header, then the scale tables.
ProfileComparison compareProfiles(const model::Profile& a, int configurationA, const model::Profile& b,
                                  int configurationB, const ComparisonContext& context);

enum class ComparedPart { Object, Settings, ScaleNumber };

/// One line of the comparison as the tool prints it and the window lists it.
struct ComparisonLine {
    DifferenceKind kind = DifferenceKind::Changed;
    ComparedPart part = ComparedPart::Object;
    /// An object's address; the second and later objects at one address "2000h.01h#2", ….
    std::string address;
    int position = 0;    // a coefficient's
    std::string name;    // an object's or a coefficient's
    FieldChange change;  // empty for an object or coefficient only on one side
    model::ObjectSerial serialA = 0;
    model::ObjectSerial serialB = 0;

    bool operator==(const ComparisonLine&) const = default;
};

/// Objects first (only-on-one-side lines, and one line per changed field), then the settings,
/// then the scale table.
std::vector<ComparisonLine> comparisonLines(const ProfileComparison& comparison);

/// The lines as text, Windows-1251 with LF ends; empty when nothing differs:
///   - 2000h.02h "name"                      an object only in A
///   + 2001h.00h "name"                      an object only in B
///   ~ 2000h.01h "name" default: "1" -> "5"  a changed field of an object
///   ~ settings group_set: "20" -> "21"
///   - scale_05 "name"   + scale_05 "name"   ~ scale_03 "name" units: "1" -> "2"
/// In the quoted texts a quote, a backslash and control characters are escaped as in C.
std::string comparisonText(const std::vector<ComparisonLine>& lines);

}  // namespace tabrin::editing
