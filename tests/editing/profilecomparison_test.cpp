// Comparing views object by object as the file stores them, profiles with their configurations,
// settings and scale tables, and the lines of text the comparison gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/translator.h"
#include "bases/textbase.h"
#include "editing/profilecomparison.h"
#include "model/profile.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using model::DictObject;
using test::w;

DictObject object(const std::string& address, const std::function<void(DictObject&)>& change = {}) {
    DictObject o;
    o.index = address.substr(0, 5);
    o.subindex = address.substr(6);
    o.name = "obj " + address;
    o.DataType = "Editable";
    o.Type = "StandartNum";
    o.Size = "16";
    o.Signed = "false";
    o.addr = "v";
    o.group = "1";
    o.defaultValue = "1";
    if (change) change(o);
    return o;
}

std::vector<const DictObject*> pointers(const std::vector<DictObject>& objects) {
    std::vector<const DictObject*> view;
    for (const DictObject& o : objects) view.push_back(&o);
    return view;
}

ObjectDifference changed(const std::string& address, const std::string& name, std::vector<FieldChange> fields,
                         int occurrence = 1) {
    return {DifferenceKind::Changed, address, occurrence, name, 0, 0, std::move(fields)};
}
ObjectDifference onlyIn(DifferenceKind kind, const std::string& address, const std::string& name, int occurrence = 1) {
    return {kind, address, occurrence, name, 0, 0, {}};
}

model::ScaleNumber scale(const std::string& name, const std::string& units, const std::string& scaleQ = "4") {
    model::ScaleNumber s;
    s.name = name;
    s.units = units;
    s.prefix = "0";
    s.scaleQ = scaleQ;
    s.num_of_float = "1";
    s.possible_value = "100";
    return s;
}

class ProfileComparisonTest : public ::testing::Test {
protected:
    ProfileComparisonTest() {
        m_texts.elements() = {{"12", "12", w("Uвх"), "0", w("Напряжение звена"), "DC link voltage", ""},
                              {"13", "13", w("Iвых"), "0", w("Выходной ток"), "Output current", ""},
                              {"14", "14", w("Fвых"), "0", "", "", ""}};
    }

    std::vector<ObjectDifference> compare(const std::vector<DictObject>& a, const std::vector<DictObject>& b,
                                          const std::vector<model::ScaleNumber>& scalesA = {},
                                          const std::vector<model::ScaleNumber>& scalesB = {},
                                          app::Language language = app::Language::Russian) {
        return compareViews({pointers(a), scalesA}, {pointers(b), scalesB}, {m_texts, language, m_translator});
    }

    model::Profile profile(std::vector<std::vector<DictObject>> configurations) {
        model::Profile p(m_translator, app::Language::Russian);
        p.settings.group_set = "20";
        p.header_text = "drive";
        for (std::vector<DictObject>& objects : configurations) {
            p.configurations.push_back({{}, "c" + std::to_string(p.configurations.size()), std::move(objects)});
        }
        p.setCurrent(0);
        return p;
    }

    ProfileComparison compare(const model::Profile& a, int configurationA, const model::Profile& b,
                              int configurationB) {
        return compareProfiles(a, configurationA, b, configurationB, {m_texts, app::Language::Russian, m_translator});
    }

    app::Translator m_translator;
    bases::TextBase m_texts;
};

TEST_F(ProfileComparisonTest, ComparesObjectsAsTheFileStoresThem) {
    struct Row {
        const char* name;
        std::vector<DictObject> a;
        std::vector<DictObject> b;
        std::vector<ObjectDifference> expected;
    };
    const Row rows[] = {
        {"equal views", {object("2000h.00h"), object("2000h.01h")}, {object("2000h.00h"), object("2000h.01h")}, {}},
        {"empty views", {}, {}, {}},
        {"a changed default",
         {object("2000h.01h")},
         {object("2000h.01h", [](DictObject& o) { o.defaultValue = "5"; })},
         {changed("2000h.01h", "obj 2000h.01h", {{"default", "1", "5"}})}},
        {"an empty default is saved as 0, so are one-sided limits",
         {object("2000h.01h",
                 [](DictObject& o) {
                     o.defaultValue = "";
                     o.min = "5";
                 })},
         {object("2000h.01h",
                 [](DictObject& o) {
                     o.defaultValue = "0";
                     o.min = "5";
                     o.max = "0";
                 })},
         {}},
        {"what the file does not keep or takes from elsewhere",
         {object("2000h.01h",
                 [](DictObject& o) {
                     o.QValue = 7;
                     o.Length = 3;
                     o.FloatType = "Relative";
                 })},
         {object("2000h.01h",
                 [](DictObject& o) {
                     o.name = "other";
                     o.text = "t";
                     o.nameEng = "e";
                     o.groupName = "g";
                     o.format = "99";
                     o.number = 5;
                     o.configuration = 2;
                     o.serial = 9;
                     o.outcome = {2, u"failed"};
                 })},
         {}},
        {"every attribute of both formats when the format changes",
         {object("2000h.01h")},
         {object("2000h.01h",
                 [](DictObject& o) {
                     o.Type = "Float";
                     o.FloatType = "Absolute";
                     o.Prefix = 2;
                     o.Units = 3;
                     o.NumOfFloat = 1;
                 })},
         {changed("2000h.01h", "obj 2000h.01h",
                  {{"Type", "StandartNum", "Float"},
                   {"Size", "16", ""},
                   {"Signed", "false", ""},
                   {"FloatType", "", "Absolute"},
                   {"Prefix", "", "2"},
                   {"Units", "", "3"},
                   {"NumOfFloat", "", "1"}})}},
        {"attributes in the order of the file",
         {object("2000h.01h")},
         {object("2000h.01h",
                 [](DictObject& o) {
                     o.description = "d";
                     o.callback = "cb";
                     o.DataType = "Secret";
                     o.textID = "15";
                 })},
         {changed("2000h.01h", "obj 2000h.01h",
                  {{"DataType", "Editable", "Secret"},
                   {"callback", "", "cb"},
                   {"textID", "", "15"},
                   {"description", "", "d"}})}},
        {"only in A, only in B and changed, in object order whatever the views' order",
         {object("3000h.00h"), object("2000h.00h", [](DictObject& o) { o.addr = "x"; }), object("1000h.00h")},
         {object("1500h.00h"), object("3000h.00h"), object("2000h.00h")},
         {onlyIn(DifferenceKind::OnlyInA, "1000h.00h", "obj 1000h.00h"),
          onlyIn(DifferenceKind::OnlyInB, "1500h.00h", "obj 1500h.00h"),
          changed("2000h.00h", "obj 2000h.00h", {{"addr", "x", "v"}})}},
        {"objects at one address paired in the views' order",
         {object("2000h.01h"), object("2000h.01h", [](DictObject& o) { o.defaultValue = "2"; })},
         {object("2000h.01h"), object("2000h.01h", [](DictObject& o) { o.defaultValue = "3"; }),
          object("2000h.01h", [](DictObject& o) { o.name = "third"; })},
         {changed("2000h.01h", "obj 2000h.01h", {{"default", "2", "3"}}, 2),
          onlyIn(DifferenceKind::OnlyInB, "2000h.01h", "third", 3)}},
        {"more at one address in A",
         {object("2000h.01h"), object("2000h.01h", [](DictObject& o) { o.name = "second"; })},
         {object("2000h.01h")},
         {onlyIn(DifferenceKind::OnlyInA, "2000h.01h", "second", 2)}},
        {"names from the text base, of B when both have one, else the file's name",
         {object("2000h.01h", [](DictObject& o) { o.textID = "12"; }),
          object("2000h.02h",
                 [](DictObject& o) {
                     o.textID = "99";
                     o.name = w("Своё");
                 }),
          object("2000h.03h", [](DictObject& o) { o.textID = "14"; })},
         {object("2000h.01h", [](DictObject& o) { o.textID = "13"; })},
         {changed("2000h.01h", w("Выходной ток"), {{"textID", "12", "13"}}),
          onlyIn(DifferenceKind::OnlyInA, "2000h.02h", w("Своё")),
          onlyIn(DifferenceKind::OnlyInA, "2000h.03h", w("Fвых"))}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(compare(row.a, row.b), row.expected);
    }
}

TEST_F(ProfileComparisonTest, NamesFollowTheInterfaceLanguage) {
    const std::vector<DictObject> a = {object("2000h.01h", [](DictObject& o) { o.textID = "12"; }),
                                       object("2000h.02h", [](DictObject& o) { o.textID = "14"; })};
    EXPECT_EQ(compare(a, {}, {}, {}, app::Language::English),
              (std::vector<ObjectDifference>{onlyIn(DifferenceKind::OnlyInA, "2000h.01h", "DC link voltage"),
                                             onlyIn(DifferenceKind::OnlyInA, "2000h.02h", w("Fвых"))}));
}

TEST_F(ProfileComparisonTest, ScaleCoefficientObjectsTakeTheirDefaultsFromTheirScaleTable) {
    const auto coefficient = [](const std::string& subindex, const std::string& defaultValue) {
        return object("2101h." + subindex, [&](DictObject& o) { o.defaultValue = defaultValue; });
    };
    const std::vector<model::ScaleNumber> scales = {scale("U", "1"), scale("I", "2")};
    const std::vector<model::ScaleNumber> otherUnits = {scale("U", "1"), scale("I", "5")};
    // Saving overwrites what the objects hold.
    EXPECT_EQ(compare({coefficient("06h", "7")}, {coefficient("06h", "9")}, scales, scales),
              std::vector<ObjectDifference>{});
    EXPECT_EQ(compare({coefficient("06h", "7")}, {coefficient("06h", "7")}, scales, otherUnits),
              (std::vector<ObjectDifference>{changed("2101h.06h", "obj 2101h.06h", {{"default", "2", "5"}})}));
    EXPECT_EQ(compare({coefficient("02h", "")}, {coefficient("02h", "")}, scales, otherUnits),
              (std::vector<ObjectDifference>{
                  changed("2101h.02h", "obj 2101h.02h",
                          {{"default", std::to_string(2 * 1024 + 32 + 4), std::to_string(5 * 1024 + 32 + 4)}})}));
}

TEST_F(ProfileComparisonTest, DifferencesNameTheObjectsOfEachSide) {
    const std::vector<DictObject> a = {object("2000h.01h", [](DictObject& o) { o.serial = 11; }),
                                       object("2000h.02h", [](DictObject& o) { o.serial = 12; })};
    const std::vector<DictObject> b = {object("2000h.01h",
                                              [](DictObject& o) {
                                                  o.serial = 21;
                                                  o.addr = "w";
                                              }),
                                       object("2000h.03h", [](DictObject& o) { o.serial = 23; })};
    const std::vector<ObjectDifference> differences = compare(a, b);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(std::make_pair(differences[0].serialA, differences[0].serialB), std::make_pair(11u, 21u));
    EXPECT_EQ(std::make_pair(differences[1].serialA, differences[1].serialB), std::make_pair(12u, 0u));
    EXPECT_EQ(std::make_pair(differences[2].serialA, differences[2].serialB), std::make_pair(0u, 23u));
}

TEST_F(ProfileComparisonTest, ComparesTheViewsOfTheChosenConfigurations) {
    const model::Profile a = profile(
        {{object("2000h.00h", [](DictObject& o) { o.Type = "Root"; }), object("2000h.01h"), object("2000h.02h")},
         {object("2000h.01h", [](DictObject& o) { o.defaultValue = "7"; })},
         {object("2000h.00h", [](DictObject& o) { o.Type = "Root"; })}});
    model::Profile b = profile(
        {{object("2000h.00h", [](DictObject& o) { o.Type = "Root"; }), object("2000h.01h"), object("2000h.02h")}});
    b.setCurrent(0);
    struct Row {
        const char* name;
        int configurationA;
        int configurationB;
        std::vector<ObjectDifference> expected;
    };
    const Row rows[] = {
        {"the base profiles", 0, 0, {}},
        {"a configuration's own object over the base one",
         1,
         0,
         {changed("2000h.01h", "obj 2000h.01h", {{"default", "7", "1"}})}},
        {"a configuration's root hides the whole index",
         2,
         0,
         {onlyIn(DifferenceKind::OnlyInB, "2000h.01h", "obj 2000h.01h"),
          onlyIn(DifferenceKind::OnlyInB, "2000h.02h", "obj 2000h.02h")}},
        {"no such configuration stands for the base profile", 0, 5, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ProfileComparison comparison = compare(a, row.configurationA, b, row.configurationB);
        EXPECT_EQ(comparison.objects, row.expected);
        EXPECT_TRUE(comparison.settings.empty());
        EXPECT_TRUE(comparison.scaleNumbers.empty());
        EXPECT_EQ(comparison.isEqual(), row.expected.empty());
    }
    EXPECT_EQ(a.CurrSubProfile, 0);
    EXPECT_EQ(a.view().size(), 3u);
}

TEST_F(ProfileComparisonTest, ComparesSettingsAndScaleTablesAsTheFileStoresThem) {
    const model::Profile a = profile({{}});
    struct Row {
        const char* name;
        std::function<void(model::Profile&)> change;
        std::vector<FieldChange> settings;
        std::vector<ScaleDifference> scales;
    };
    const Row rows[] = {
        {"the same", [](model::Profile&) {}, {}, {}},
        {"the configuration chosen last is no setting",
         [](model::Profile& p) {
             p.configurations.push_back({});
             p.setCurrent(1);
         },
         {},
         {}},
        {"an empty address stands for its default",
         [](model::Profile& p) { p.settings.AddrComm1 = "CO1_SPI_START_ADDR"; },
         {},
         {}},
        {"settings and the EDS header",
         [](model::Profile& p) {
             p.settings.group_set = "21";
             p.settings.PUTextsType = 1;
             p.header_text = "new";
         },
         {{"group_set", "20", "21"}, {"PUTextsType", "2", "1"}, {"header_text", "drive", "new"}},
         {}},
        {"changed coefficients and one more",
         [](model::Profile& p) {
             p.scaleNumbers = {scale("U", "1", "5"), scale("I", "2"), scale("F", "3")};
         },
         {},
         {{DifferenceKind::Changed, 0, "U", {{"scaleQ", "4", "5"}}}, {DifferenceKind::OnlyInB, 2, "F", {}}}},
    };
    model::Profile withScales = a;
    withScales.scaleNumbers = {scale("U", "1"), scale("I", "2")};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model::Profile b = withScales;
        row.change(b);
        const ProfileComparison comparison = compare(withScales, 0, b, 0);
        EXPECT_EQ(comparison.settings, row.settings);
        EXPECT_EQ(comparison.scaleNumbers, row.scales);
        EXPECT_TRUE(comparison.objects.empty());
    }
    EXPECT_EQ(
        compare(withScales, 0, a, 0).scaleNumbers,
        (std::vector<ScaleDifference>{{DifferenceKind::OnlyInA, 0, "U", {}}, {DifferenceKind::OnlyInA, 1, "I", {}}}));
}

TEST_F(ProfileComparisonTest, AnotherProcessorSeriesComparesTheAttributesOfBoth) {
    const model::Profile a = profile({{}});
    model::Profile b = a;
    b.settings.proc_series = model::ProcessorSeries::Assembler;
    const std::vector<FieldChange> settings = compare(a, 0, b, 0).settings;
    const auto has = [&](const FieldChange& change) {
        return std::find(settings.begin(), settings.end(), change) != settings.end();
    };
    EXPECT_TRUE(has({"proc_series", "28", "24"}));
    EXPECT_TRUE(has({"prefix", "0", ""}));
    EXPECT_TRUE(has({"PUTextsCInc", "\"PU_Texts.h\"", ""}));
    EXPECT_EQ(settings.back(), (FieldChange{"Vost_inc", "", "false"}));
}

TEST_F(ProfileComparisonTest, LinesAndTheirText) {
    ProfileComparison comparison;
    comparison.objects = {
        {DifferenceKind::OnlyInA, "2000h.01h", 1, w("Ток"), 3, 0, {}},
        {DifferenceKind::Changed,
         "2000h.02h",
         2,
         "two",
         4,
         5,
         {{"default", "1", "2"}, {"description", "a\"b\\c", "x\ny\tz\x01"}}},
        {DifferenceKind::OnlyInB, "2000h.03h", 1, "", 0, 6, {}},
    };
    comparison.settings = {{"group_set", "20", "21"}};
    comparison.scaleNumbers = {{DifferenceKind::OnlyInB, 3, "F", {}},
                               {DifferenceKind::Changed, 12, "G", {{"units", "1", "2"}}}};
    const std::vector<ComparisonLine> lines = comparisonLines(comparison);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0],
              (ComparisonLine{DifferenceKind::OnlyInA, ComparedPart::Object, "2000h.01h", 0, w("Ток"), {}, 3, 0}));
    EXPECT_EQ(lines[2], (ComparisonLine{DifferenceKind::Changed,
                                        ComparedPart::Object,
                                        "2000h.02h#2",
                                        0,
                                        "two",
                                        {"description", "a\"b\\c", "x\ny\tz\x01"},
                                        4,
                                        5}));
    EXPECT_EQ(
        lines[4],
        (ComparisonLine{DifferenceKind::Changed, ComparedPart::Settings, "", 0, "", {"group_set", "20", "21"}, 0, 0}));
    EXPECT_EQ(lines[5], (ComparisonLine{DifferenceKind::OnlyInB, ComparedPart::ScaleNumber, "", 3, "F", {}, 0, 0}));
    EXPECT_EQ(comparisonText(lines), w("- 2000h.01h \"Ток\"\n") +
                                         "~ 2000h.02h#2 \"two\" default: \"1\" -> \"2\"\n"
                                         "~ 2000h.02h#2 \"two\" description: \"a\\\"b\\\\c\" -> \"x\\ny\\tz\\x01\"\n"
                                         "+ 2000h.03h \"\"\n"
                                         "~ settings group_set: \"20\" -> \"21\"\n"
                                         "+ scale_03 \"F\"\n"
                                         "~ scale_12 \"G\" units: \"1\" -> \"2\"\n");
    EXPECT_EQ(comparisonText(comparisonLines({})), "");
}

}  // namespace
}  // namespace tabrin::editing
