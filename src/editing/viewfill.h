// What showing a profile's view in the dictionary table does to the objects themselves.
#pragma once

namespace tabrin::bases {
class TextBase;
}
namespace tabrin::model {
struct DictObject;
class Profile;
}  // namespace tabrin::model

namespace tabrin::editing {

/// Filling one row: the object takes the long Russian, long English and short text of its text
/// number from the text base; a root gives its group to the objects of its index that follow it
/// in the view and counts them in its `format`.
void fillViewRow(model::Profile& profile, int row, const bases::TextBase& texts);

/// Filling every row of the current view, in order.
void fillView(model::Profile& profile, const bases::TextBase& texts);

}  // namespace tabrin::editing
