// One object of a CANopen dictionary as a profile keeps it: address, names, variable, format,
// default and limits, group, description and callback.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/language.h"
#include "model/formattype.h"
#include "model/scalenumber.h"
#include "xml/operationresult.h"
#include "xml/xmlparser.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::model {

// Objects are read from and written to nodes of the XML layer.
using xml::TOperationResult;
using xml::XMLNode;

/// The identity of an object for the session: given when the object is read or made, kept through
/// every change, never written to the file; 0 for an object not yet in a profile.
using ObjectSerial = std::uint32_t;

/// What writing an object needs besides the object: the scale table whose coefficients fill the
/// scale-coefficient objects, and the group enumeration that names its group.
struct ObjectWriteContext {
    const std::vector<ScaleNumber>& scaleNumbers;
    const bases::SetBase& sets;
    int groupSet;  // number of the group enumeration; below 0 when there is none
    app::Language language;
    app::Translator& translator;
};

/// Every text is Windows-1251; numbers of the file stay texts except the format attributes.
struct DictObject {
    TOperationResult outcome;
    std::string textID;       // number of the object's text in the text base
    std::string text;         // short text, a copy from the text base
    std::string nameEng;      // long English name, a copy from the text base (never in the file)
    std::string name;         // long Russian name, a copy from the text base
    std::string index;        // "2600h"
    std::string subindex;     // "01h"
    std::string description;
    std::string defaultValue;  // the file's defaults/default
    std::string min;
    std::string max;
    std::string addr;          // C expression of the variable holding the value
    std::string format;        // format word as decimal text; for a root, the count of its sub-objects
    std::string DataType;      // "Viewable", "Editable", "Protected", "Secret"
    std::string Type;          // "Root", "Bit", "StandartNum", "IQ", "Float"
    std::string Signed;        // "true" / "false"
    std::string Size;          // "8", "16", "32"
    std::string Visualization;  // "Text", "Bin", "Dec", "Hex"
    std::string FloatType;      // "Absolute", "Relative"
    int ScaleNum = 0;
    int QValue = 0;
    int Length = 0;
    int StartBit = 0;
    int Prefix = 0;
    int Units = 0;
    int NumOfFloat = 0;
    std::string group;      // position of an item of the group enumeration
    std::string fullgroup;  // group numbers separated by "/", kept as read
    std::string callback;
    std::string groupName;  // as last read from the file
    int number = -1;        // position in the profile's current view; -1 when not placed
    int configuration = 0;  // 0 the base profile, n the n-th further configuration
    ObjectSerial serial = 0;

    void reset() { *this = DictObject(); }

    FormatType formatType() const { return formatTypeOf(Type); }
    FloatKind floatKind() const { return floatKindOf(FloatType); }
    Access access() const { return accessOf(DataType); }
    bool isRoot() const { return formatType() == FormatType::Root; }

    /// "2600h.01h"
    std::string address() const { return index + "." + subindex; }

    /// Fills the object from an `obj_` element at `position` among its parent's children.
    TOperationResult readFromXml(const XMLNode& node, int position);
    /// The object of an `obj_` element, as `readFromXml` fills it: its outcome tells whether there was one.
    static DictObject fromXml(const XMLNode& node, int position);

    /// Appends the object's `obj_` element to `parent`. Writing first brings the object itself in
    /// line: scale-coefficient objects take their subindexes 02h–06h from the scale table, and an
    /// empty default (or one empty limit of two) becomes "0".
    TOperationResult writeToXml(XMLNode parent, const ObjectWriteContext& context);

    bool operator==(const DictObject&) const = default;
};

/// The format word of the object's access type and format attributes. Fields out of their ranges
/// add what they hold; the sum is taken modulo 2^32 and given as a signed 32-bit number.
int formatWord(const DictObject& object);

/// A scale-coefficient object (index 2100h + k, k a position of `scaleNumbers`) takes its default
/// from coefficient k: subindex 02h the packed coefficient, 03h to 06h its Q format, decimals, prefix
/// and units. Any other object is left alone.
void takeScaleCoefficient(DictObject& object, std::span<const ScaleNumber> scaleNumbers);

/// The order of objects: by index text, then subindex text, byte by byte.
bool lessThan(const DictObject& a, const DictObject& b);

/// Objects with index 2100h + k describe scale coefficient k.
inline constexpr std::uint32_t kScaleObjectsIndex = 0x2100;

}  // namespace tabrin::model
