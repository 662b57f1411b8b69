// The values of the options dialog "Настройки Tabrin": taken from the settings, checked and stored back.
#include "app/optionsvalues.h"

#include <algorithm>
#include <cstdio>

#include "app/integertext.h"
#include "app/messageport.h"
#include "app/translator.h"

namespace tabrin::app {
namespace {

constexpr std::string_view kInvalidToken =
    "Ключ производителя должен быть задан в виде\r\n8-символьного шестнадцатеричного ненулевого числа.\r\n"
    "Например: 5C3E91D7";
constexpr std::string_view kErrorCaption = "Ошибка";
constexpr std::size_t kTokenLength = 8;

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

OptionsValues optionsFromSettings(const Settings& settings) {
    return {settings.progLanguage,   settings.textReservCnt,  settings.setReservCnt,     settings.profAutoSave,
            settings.autoSavePeriod, settings.autoSaveBackup, settings.saveAtGeneration, settings.vendorToken,
            settings.xmlProgPath,    settings.lastProfOpen,   settings.rememberLastNum,  settings.promptSyncOnClose};
}

int numberFieldValue(std::string_view text, NumberFieldRange range) {
    const bool digitsOnly =
        !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly) return range.valueForNoNumber;
    // Digits beyond the 32-bit range are a number too large for any field.
    return std::clamp(toInteger(text).value_or(range.maximum), range.minimum, range.maximum);
}

bool isValidVendorToken(std::string_view token) {
    if (token.empty()) return true;
    if (token.size() != kTokenLength || !std::all_of(token.begin(), token.end(), isHexDigit)) return false;
    return token.find_first_not_of('0') != std::string_view::npos;
}

std::string vendorTokenText(std::uint32_t uuidFirstBits) {
    char text[kTokenLength + 1];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(uuidFirstBits));
    return text;
}

OptionsAcceptance acceptOptions(const OptionsValues& values, Settings& settings, MessagePort& port,
                                Translator& translator) {
    settings.progLanguage = values.language;
    settings.textReservCnt = values.textReservCnt;
    settings.setReservCnt = values.setReservCnt;
    settings.profAutoSave = values.profAutoSave;
    settings.autoSavePeriod = values.autoSavePeriod;
    settings.autoSaveBackup = values.autoSaveBackup;
    settings.saveAtGeneration = values.saveAtGeneration;
    settings.xmlProgPath = values.xmlProgPath;
    settings.lastProfOpen = values.lastProfOpen;
    settings.rememberLastNum = values.rememberLastNum;
    settings.promptSyncOnClose = values.promptSyncOnClose;

    if (values.vendorToken == settings.vendorToken) return {true, false};
    if (!isValidVendorToken(values.vendorToken)) {
        port.ask({translator.tr(kErrorCaption),
                  translator.tr(kInvalidToken), MessageButtons::Ok, MessageIcon::Error});
        return {false, false};
    }
    settings.vendorToken = values.vendorToken;
    return {true, true};
}

}  // namespace tabrin::app
