// The format editor "Формат" as data: its choices opened from an object, the rules by which each
// choice reveals the next ones and offers "OK", the Q-value and scale-coefficient lists, the bit
// strip, and the object's format fields and log line once confirmed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/optionsvalues.h"
#include "editing/unitlists.h"
#include "model/dictobject.h"

namespace tabrin::editing {

/// Positions of the choices' items.
enum FormatPlace : int { kNotRoot, kRoot };
enum FormatDataType : int { kBitType, kStandardType, kQType, kFloatType };
enum FormatFloatType : int { kAbsoluteFloat, kRelativeFloat };

inline constexpr int kBitStripCells = 16;
inline constexpr int kScaleCoefficients = 32;
/// The decimals shown of an absolute float: 0 to 3; a text that is no number gives 0.
inline constexpr app::NumberFieldRange kDecimalsRange{0, 3, 0};

/// The choices made, each a position in its list; none while not chosen.
struct FormatChoices {
    std::optional<int> place;
    std::optional<int> access;    // Viewable, Editable, Protected, Secret
    std::optional<int> dataType;  // FormatDataType
    std::optional<int> standard;  // U8, I8, U16, I16, U32, I32
    std::optional<int> qType;     // I16, I32, U16, U32
    std::optional<int> qValue;
    std::optional<int> scale;
    std::optional<int> visualization;  // Text, Bin, Dec, Hex
    std::optional<int> firstBit;
    std::optional<int> lastBit;
    std::optional<int> floatType;  // FormatFloatType
    std::optional<int> prefix;
    std::optional<int> units;
    int decimals = 0;
};

/// Which groups of choices the dialog shows.
struct FormatGroups {
    bool access = false;
    bool dataType = false;
    bool standard = false;
    bool qType = false;
    bool qValue = false;
    bool scale = false;
    bool visualization = false;
    bool bitField = false;
    bool floatType = false;
    bool units = false;  // prefix, units and decimals
};

class FormatEditor {
public:
    /// Opens on `object`'s format; `scaleNumbers` and `lists` name the scale coefficients, prefixes and units.
    FormatEditor(const model::DictObject& object, const std::vector<model::ScaleNumber>& scaleNumbers,
                 UnitLists lists);

    const FormatChoices& choices() const { return m_choices; }
    FormatGroups groups() const;
    bool okOffered() const;

    void choosePlace(int position);
    void chooseAccess(int position);
    /// The Q number shows the Q choices as choosing the current Q type does.
    void chooseDataType(int position);
    void chooseStandard(int position) { m_choices.standard = position; }
    /// A Q type rebuilds the Q-value list: a 32-bit type chooses Q24, a 16-bit one none. Choosing
    /// the chosen Q type (or place) again changes nothing.
    void chooseQType(int position);
    void chooseQValue(int position) { m_choices.qValue = position; }
    void chooseScale(int position) { m_choices.scale = position; }
    void chooseVisualization(int position) { m_choices.visualization = position; }
    /// Float type absolute chooses the first prefix and unit when none is chosen.
    void chooseFloatType(int position);
    void choosePrefix(int position) { m_choices.prefix = position; }
    void chooseUnits(int position) { m_choices.units = position; }
    /// The decimals as typed, kept within 0 to 3; a text that is no number counts 0.
    void setDecimals(std::string_view text);
    /// A click on cell `cell` of the bit strip (cell 0 is bit 15): the left button sets the field's
    /// last bit, the right button its first; a field wider than 8 bits is cut to 8.
    void clickBit(int cell, bool leftButton);

    /// "(8.8) s i i i i i i i , f f f f f f f f " …: one item per Q value of the chosen Q type
    /// (of U32 while none is chosen).
    std::vector<std::string> qValueItems() const;
    /// "03h: x.xx  мкВ  IQ8.8  (540)  [Voltage]": one item per coefficient position.
    std::vector<std::string> scaleItems() const;
    const UnitLists& unitLists() const { return m_lists; }
    /// Whether cell `cell` of the bit strip shows "X".
    bool bitMarked(int cell) const;

    /// The object with the format fields of the choices; meaningful when "OK" is offered.
    model::DictObject confirmed() const;
    /// "Format of object #2 [2000h.01h] changed to:\r\n\t AccType: …" for the confirmed object.
    std::string logLine(const model::DictObject& confirmed) const;

private:
    void open();
    /// The Q-value list built anew for the chosen Q type (U32 while none): Q24 chosen for 32 bits, none for 16.
    void rebuildQValues();

    model::DictObject m_object;
    const std::vector<model::ScaleNumber>& m_scaleNumbers;
    UnitLists m_lists;
    FormatChoices m_choices;
    bool m_dataTypeShown = false;
    bool m_typeChoicesShown = false;  // the choices of the chosen data type
};

}  // namespace tabrin::editing
