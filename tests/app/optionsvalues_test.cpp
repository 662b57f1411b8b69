// The options dialog's values: number fields, the vendor token and what "OK" stores.
#include <gtest/gtest.h>

#include "app/cp1251.h"
#include "app/optionsvalues.h"
#include "app/translator.h"
#include "support/scriptedmessageport.h"

namespace tabrin::app {
namespace {

TEST(OptionsValues, NumberFieldTexts) {
    struct Row {
        const char* name;
        const char* text;
        NumberFieldRange range;
        int value;
    };
    const Row rows[] = {
        {"in range", "42", textReservRange, 42},
        {"empty reserve count", "", textReservRange, 0},
        {"empty period takes its minimum", "", autoSavePeriodRange, 10},
        {"empty recent count takes its minimum", "", rememberLastNumRange, 1},
        {"not a number", "1a", setReservRange, 0},
        {"sign", "-5", autoSavePeriodRange, 10},
        {"above the range", "99", setReservRange, 5},
        {"below the range", "3", autoSavePeriodRange, 10},
        {"beyond 32 bits", "99999999999", autoSavePeriodRange, 1800},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(numberFieldValue(row.text, row.range), row.value);
    }
}

TEST(OptionsValues, VendorTokenForms) {
    struct Row {
        const char* token;
        bool valid;
    };
    const Row rows[] = {{"", true},           {"5C3E91D7", true},  {"5c3e91d7", true},
                        {"00000001", true},   {"00000000", false}, {"5C3E91D", false},
                        {"5C3E91D7A", false}, {"5C3E91DG", false}, {" 5C3E91D", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.token);
        EXPECT_EQ(isValidVendorToken(row.token), row.valid);
    }
}

TEST(OptionsValues, GeneratedTokenHasEightUpperCaseDigits) {
    EXPECT_EQ(vendorTokenText(0x00ab12cdu), "00AB12CD");
    EXPECT_EQ(vendorTokenText(0xffffffffu), "FFFFFFFF");
}

TEST(OptionsValues, OkStoresEveryValueAndChecksTheToken) {
    struct Row {
        const char* name;
        std::string token;
        OptionsAcceptance acceptance;
        std::string storedToken;
    };
    const Row rows[] = {
        {"token unchanged", "11111111", {true, false}, "11111111"},
        {"new token", "5C3E91D7", {true, true}, "5C3E91D7"},
        {"token removed", "", {true, true}, ""},
        {"invalid token", "0000000", {false, false}, "11111111"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Settings settings;
        settings.vendorToken = "11111111";
        OptionsValues values = optionsFromSettings(settings);
        values.language = progLanguageEnglish;
        values.autoSavePeriod = 60;
        values.rememberLastNum = 3;
        values.xmlProgPath = "/usr/bin/xmlmarker";
        values.vendorToken = row.token;
        Translator translator;
        test::ScriptedMessagePort port;

        EXPECT_EQ(acceptOptions(values, settings, port, translator), row.acceptance);
        EXPECT_EQ(settings.vendorToken, row.storedToken);
        // The other values are stored even when the token is refused.
        EXPECT_EQ(settings.progLanguage, progLanguageEnglish);
        EXPECT_EQ(settings.autoSavePeriod, 60);
        EXPECT_EQ(settings.rememberLastNum, 3);
        EXPECT_EQ(settings.xmlProgPath, "/usr/bin/xmlmarker");
        if (row.acceptance.closeDialog) {
            EXPECT_TRUE(port.asked().empty());
            continue;
        }
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(cp1251::toUtf8(port.asked()[0].caption), "Ошибка");
        EXPECT_EQ(cp1251::toUtf8(port.asked()[0].text),
                  "Ключ производителя должен быть задан в виде\r\n8-символьного шестнадцатеричного ненулевого "
                  "числа.\r\nНапример: 5C3E91D7");
    }
}

}  // namespace
}  // namespace tabrin::app
