// What showing a profile's view has always done to the objects themselves, kept by the profile
// document after every change: texts copied from the text base, root counts and groups.
#pragma once

namespace tabrin::bases {
class TextBase;
}
namespace tabrin::model {
class Profile;
}

namespace tabrin::editing {

/// For every object of the current view, in order: the object takes the long Russian, long
/// English and short text of its text number from the text base; a root gives its group to the
/// objects of its index that follow it in the view and counts them in its `format`.
void fillView(model::Profile& profile, const bases::TextBase& texts);

}  // namespace tabrin::editing
