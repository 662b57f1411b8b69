// The vendor token of a profile: the questions when a profile made with another text base is
// opened, and the object 2600h.01h brought in line with the program's token.
#pragma once

#include <string_view>

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
class TextBase;
}

namespace tabrin::model {

class Profile;

/// Asks whether to open a profile whose token `profileToken` differs (letter case aside) from the
/// program's `programToken`; either may be empty. The Yes/No question carries the profile's
/// `fileName` as its caption. Returns whether the open may go on: true when nothing was asked.
bool checkProfileOrigin(std::string_view fileName, std::string_view programToken, std::string_view profileToken,
                        app::MessagePort& port, app::Translator& translator);

/// What `alignVendorToken` changed, so that the window can refresh its caption and pages.
struct VendorTokenChanges {
    bool profileModified = false;   // the dictionary grid and the caption need refreshing
    bool textBaseModified = false;  // the texts page needs refreshing

    bool operator==(const VendorTokenChanges&) const = default;
};

/// Makes the default of 2600h.01h in the current view "0x" + `programToken` ("0" without a token).
/// A changed value is followed by a reminder that the firmware must assign it. A missing object
/// is created when there is a token, with its root 2600h.00h when that is missing too, in the
/// current configuration; their texts are found in `texts` by short text or added for `user`.
/// Does nothing when no profile is loaded (the profile has no configurations).
VendorTokenChanges alignVendorToken(Profile& profile, std::string_view programToken, bases::TextBase& texts,
                                    std::string_view user, app::MessagePort& port, app::Translator& translator);

}  // namespace tabrin::model
