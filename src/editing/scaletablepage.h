// The page "Масштабирующие коэффициенты" as data: 32 rows, one per coefficient position, the
// lists its four list columns choose from, the keys its typed columns take, and each committed
// cell as one command of the profile document.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "editing/unitlists.h"
#include "model/scalenumber.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::editing {

class ProfileDocument;

inline constexpr int kScaleRows = 32;
inline constexpr int kScaleColumns = 7;

/// The columns of the page, left to right.
enum ScaleColumn : int {
    kScalePositionColumn,
    kPrecisionColumn,
    kPrefixColumn,
    kUnitsColumn,
    kQFormatColumn,
    kAssumedValueColumn,
    kDescriptionColumn,
};

class ScaleTablePage {
public:
    ScaleTablePage(ProfileDocument& document, const bases::SetBase& sets, app::Language language,
                   app::Translator& translator);

    std::array<std::string, kScaleColumns> headers() const;
    /// The texts of row `row` (position `row`); a position the profile's table lacks shows only its number.
    std::array<std::string, kScaleColumns> cells(int row) const;
    /// Only the positions of the profile's table can be edited.
    bool editable(int row) const;

    /// Whether a column is chosen from a list, and its items.
    static bool isListColumn(int column) { return column >= kPrecisionColumn && column <= kQFormatColumn; }
    std::vector<std::string> listItems(int column) const;
    /// The item the coefficient of `row` has chosen in `column`, if it names one.
    std::optional<int> chosenItem(int row, int column) const;
    /// Item `position` of the list of `column` chosen for the coefficient of `row`.
    void choose(int row, int column, int position);

    /// A key typed into `column`: the assumed value takes digits, backspace, and "." or "," as ".";
    /// the description every key; the other columns none.
    static std::optional<char> typedKey(int column, char key);
    /// The text of a typed column committed for the coefficient of `row`.
    void type(int row, int column, std::string_view text);

private:
    void change(int row, std::string model::ScaleNumber::*field, std::string value);

    ProfileDocument& m_document;
    const bases::SetBase& m_sets;  // read when shown: the bases are loaded after the page is made
    app::Language m_language;
    app::Translator& m_translator;
};

}  // namespace tabrin::editing
