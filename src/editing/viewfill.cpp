// What showing a profile's view has always done to the objects themselves, kept by the profile
// document after every change: texts copied from the text base, root counts and groups.
#include "editing/viewfill.h"

#include "bases/textbase.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

void fillViewRow(model::Profile& profile, int row, const bases::TextBase& texts) {
    const auto& view = profile.view();
    model::DictObject& object = *view[static_cast<std::size_t>(row)];
    if (const int text = texts.find(object.textID); text >= 0) {
        const bases::TextBaseElement& element = texts.elements()[static_cast<std::size_t>(text)];
        object.name = element.trus;
        object.nameEng = element.teng;
        object.text = element.text;
    }
    if (!object.isRoot()) return;
    std::size_t next = static_cast<std::size_t>(row) + 1;
    for (; next < view.size() && view[next]->index == object.index; ++next) view[next]->group = object.group;
    object.format = std::to_string(next - static_cast<std::size_t>(row) - 1);
}

}  // namespace

void fillView(model::Profile& profile, const bases::TextBase& texts) {
    for (int row = 0; row < static_cast<int>(profile.view().size()); ++row) fillViewRow(profile, row, texts);
}

}  // namespace tabrin::editing
