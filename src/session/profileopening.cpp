// What opening a profile does to it in memory once it is loaded and its origin accepted.
#include "session/profileopening.h"

#include "editing/profiledocument.h"

namespace tabrin::session {

model::VendorTokenChanges prepareOpenedProfile(editing::ProfileDocument& document, bases::TextBase& texts,
                                               std::string_view programToken, std::string_view user,
                                               app::MessagePort& port, app::Translator& translator) {
    document.encryptFormatWords();
    const model::VendorTokenChanges changes = document.alignVendorToken(programToken, texts, user, port, translator);
    document.beginEditing();
    return changes;
}

}  // namespace tabrin::session
