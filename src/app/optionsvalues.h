// The values of the options dialog "Настройки Tabrin": taken from the settings, checked and stored back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace tabrin::app {

class MessagePort;
class Translator;

/// What the dialog shows and edits; texts are Windows-1251 bytes, the XML editor a path text.
struct OptionsValues {
    int language = progLanguageRussian;
    int textReservCnt = 0;
    int setReservCnt = 0;
    bool profAutoSave = false;
    int autoSavePeriod = 300;
    bool autoSaveBackup = false;
    bool saveAtGeneration = true;
    std::string vendorToken;
    std::string xmlProgPath;
    bool lastProfOpen = false;
    int rememberLastNum = 10;
    bool promptSyncOnClose = true;

    bool operator==(const OptionsValues&) const = default;
};

OptionsValues optionsFromSettings(const Settings& settings);

/// The range of a number field of the dialog, and the value that a text which is no number gives.
struct NumberFieldRange {
    int minimum;
    int maximum;
    int valueForNoNumber;
};

inline constexpr NumberFieldRange textReservRange{0, 100, 0};
inline constexpr NumberFieldRange setReservRange{0, 5, 0};
inline constexpr NumberFieldRange autoSavePeriodRange{10, 1800, 10};
inline constexpr NumberFieldRange rememberLastNumRange{1, maxRememberLastNum, 1};

/// The value of a number field's text: a decimal number is kept within the range; any other text
/// gives the range's value for no number.
int numberFieldValue(std::string_view text, NumberFieldRange range);

/// Whether a vendor token may be stored: empty, or exactly 8 hexadecimal digits of a value other than 0.
bool isValidVendorToken(std::string_view token);

/// A new vendor token from the first 32 bits of a freshly generated UUID: 8 upper-case hex digits.
std::string vendorTokenText(std::uint32_t uuidFirstBits);

/// What "OK" leads to.
struct OptionsAcceptance {
    bool closeDialog = false;
    bool tokenChanged = false;  // the open profile's vendor-token object must follow the new token

    bool operator==(const OptionsAcceptance&) const = default;
};

/// "OK": stores every value but the token in `settings`, then the token when it changed and is
/// valid. An invalid token is refused with an error box and keeps the dialog open.
OptionsAcceptance acceptOptions(const OptionsValues& values, Settings& settings, MessagePort& port,
                                Translator& translator);

}  // namespace tabrin::app
