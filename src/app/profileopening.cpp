// What opening a profile does to it in memory once it is loaded and its origin accepted.
#include "app/profileopening.h"

#include "editing/viewfill.h"
#include "model/profile.h"

namespace tabrin::app {

model::VendorTokenChanges prepareOpenedProfile(model::Profile& profile, bases::TextBase& texts,
                                               std::string_view programToken, std::string_view user,
                                               MessagePort& port, Translator& translator) {
    if (profile.settings.proc_series == model::ProcessorSeries::CCode) profile.settings.FormatType = true;
    // The vendor-token objects the alignment creates are shown like every other object: their
    // root counts them and they take their texts from the text base.
    const model::VendorTokenChanges changes = model::alignVendorToken(profile, programToken, texts, user, port, translator);
    editing::fillView(profile, texts);
    return changes;
}

}  // namespace tabrin::app
