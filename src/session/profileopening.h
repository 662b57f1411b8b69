// What opening a profile does to it in memory once it is loaded and its origin accepted; the
// window's open and the command-line generators share it.
#pragma once

#include <string_view>

#include "model/vendortoken.h"

namespace tabrin::editing {
class ProfileDocument;
}

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::session {

/// Format words of C-code profiles are always encrypted; the vendor-token object is brought in
/// line with `programToken`; then the document begins editing: the objects of the view take their
/// texts from the text base and the roots their counts and groups (the vendor-token objects the
/// alignment created among them). Reports what the alignment changed: a changed or created
/// vendor-token object is a change the profile's file does not hold yet.
model::VendorTokenChanges prepareOpenedProfile(editing::ProfileDocument& document, bases::TextBase& texts,
                                               std::string_view programToken, std::string_view user,
                                               app::MessagePort& port, app::Translator& translator);

}  // namespace tabrin::session
