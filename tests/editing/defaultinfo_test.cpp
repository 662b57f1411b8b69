// The description of an object's default beside it in the parameter-file window, one row per form.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/defaultinfo.h"
#include "support/scriptedmessageport.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

model::DictObject object(const char* type, const char* defaultValue) {
    model::DictObject o;
    o.Type = type;
    o.defaultValue = defaultValue;
    return o;
}

TEST(DefaultInfo, EachForm) {
    test::ScriptedMessagePort port;
    bases::TextBase texts;
    bases::SetBase sets;
    ASSERT_TRUE(texts.load(bases::TextBase::filePath(DEMO_HOME_DIR), port));
    ASSERT_TRUE(sets.load(bases::SetBase::filePath(DEMO_HOME_DIR), port));
    app::Translator translator;
    std::vector<model::ScaleNumber> scales(2);
    scales[0].possible_value = "10";
    scales[0].prefix = "1";  // "~m"
    scales[0].units = "2";   // A
    scales[1].possible_value = "100";
    scales[1].num_of_float = "2";
    scales[1].prefix = "3";  // k
    scales[1].units = "1";   // V
    const UnitLists units = unitLists(sets, app::Language::Russian);
    const DefaultInfoContext context{scales, units, texts, sets, app::Language::Russian, translator};

    const auto with = [](model::DictObject o, auto change) {
        change(o);
        return o;
    };
    const struct {
        const char* name;
        model::DictObject object;
        std::string info;
    } rows[] = {
        {"unsigned number", with(object("StandartNum", "540"), [](auto& o) { o.Size = "16", o.Signed = "false"; }),
         w("Стд.числ. 540 U16")},
        {"signed number", with(object("StandartNum", "-5"), [](auto& o) { o.Size = "32", o.Signed = "true"; }),
         w("Стд.числ. -5 I32")},
        {"IQ scaled, decimals of the coefficient",
         with(object("IQ", "2560"), [](auto& o) { o.Size = "16", o.QValue = 8, o.ScaleNum = 1; }), w("IQ 1000.00 кВ")},
        {"IQ, coefficient without decimals: 3, micro prefix",
         with(object("IQ", "3"), [](auto& o) { o.Size = "32", o.ScaleNum = 0; }), w("IQ 30.000 мкА")},
        {"IQ default that is no integer", with(object("IQ", "1.5"), [](auto& o) { o.ScaleNum = 1; }), w("IQ 1.5 кВ")},
        {"relative float", with(object("Float", "1.5"), [](auto& o) { o.FloatType = "Relative", o.ScaleNum = 1; }),
         w("Плав.т. 150.00 кВ")},
        {"absolute float",
         with(object("Float", "2.5"), [](auto& o) { o.FloatType = "Absolute", o.NumOfFloat = 1, o.Units = 3; }),
         w("Плав.т. 2.5 Гц")},
        {"bit field: the enumeration item",
         with(object("Bit", "1"), [](auto& o) { o.Visualization = "Text", o.textID = "9"; }),
         w("Бит. \"Да\" перечисл.")},
        {"bit field: no such item", with(object("Bit", "7"), [](auto& o) { o.Visualization = "Text", o.textID = "9"; }),
         w("Бит. \"\" перечисл.")},
        {"bit field in binary, padded",
         with(object("Bit", "5"), [](auto& o) { o.Visualization = "Bin", o.Length = 4; }), w("Бит. 0101b 2-ич.")},
        {"bit field in decimal", with(object("Bit", "12"), [](auto& o) { o.Visualization = "Dec"; }),
         w("Бит. 12 10-ич.")},
        {"bit field in hex", with(object("Bit", "10"), [](auto& o) { o.Visualization = "Hex"; }), w("Бит. 0A 16-ич.")},
        {"bit field in hex, no number", with(object("Bit", "x"), [](auto& o) { o.Visualization = "Hex"; }),
         w("Бит. FFFFFFFF 16-ич.")},
        {"root", with(object("Root", ""), [](auto& o) { o.format = "3"; }), w("3 корневой")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(defaultInfo(row.object, context), row.info);
    }
}

}  // namespace
}  // namespace tabrin::editing
