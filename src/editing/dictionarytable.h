// The dictionary table as data: the rows of the current view that pass the filters, every cell
// text, and how each row is drawn.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/language.h"
#include "editing/valuecells.h"
#include "model/dictobject.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
}
namespace tabrin::model {
class Profile;
}

namespace tabrin::editing {

inline constexpr int kDictionaryColumns = 14;

/// The columns of the dictionary table, left to right.
enum DictionaryColumn : int {
    kNumberColumn,
    kIndexColumn,
    kSubindexColumn,
    kRussianNameColumn,
    kEnglishNameColumn,
    kShortTextColumn,
    kFormatColumn,
    kAddressColumn,
    kGroupColumn,  // selecting one of its cells opens the group picker
    kDefaultColumn,
    kMinimumColumn,
    kMaximumColumn,
    kCommentColumn,
    kCallbackColumn,
};

/// Where a row's object comes from, which decides its background.
enum class RowOrigin { BaseProfile, Override, ConfigurationOnly };

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

/// The background of a cell outside the fixed header and number column; rows count from 1.
Rgb rowBackground(RowOrigin origin, int row);

struct DictionaryRow {
    int number;  // the object's position in the view
    model::ObjectSerial serial;
    std::array<std::string, kDictionaryColumns> cells;
    RowOrigin origin;
    bool root;  // drawn bold in columns 1 to 3
};

struct DictionaryFilters {
    bool rangeOn = false;
    std::string rangeBegin = "0000";  // hex digits
    std::string rangeEnd = "6000";
    bool groupOn = false;
    int group = 0;  // position in the group enumeration
};

/// The group an object counts in for the group filter: its `group`, or 2 when that is not a number.
int filterGroup(const std::string& group);

/// Fills the rows from the profile's current view.
std::vector<DictionaryRow> fillDictionaryRows(const model::Profile& profile, const DictionaryFilters& filters,
                                              ValueDisplayMode mode, const bases::SetBase& sets,
                                              app::Language language, app::Translator& translator);

/// The translated column headers.
std::array<std::string, kDictionaryColumns> dictionaryHeaders(app::Translator& translator);

/// "Файл словаря для контроллера (%d объектов)" with the number of objects in the whole view.
std::string controllerFileBoxCaption(int objectCount, app::Translator& translator);

}  // namespace tabrin::editing
