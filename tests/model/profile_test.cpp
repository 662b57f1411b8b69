// Profiles: reading and writing the file, settings defaults, configurations and the view.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>

#include "app/cp1251.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "support/ordinaryuser.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::model {
namespace {

using test::w;

// An object element as saving writes it, `depth` TABs deep.
std::string object(const std::string& address, const std::string& format, const std::string& group = "1",
                   const std::string& def = "1", int depth = 2) {
    const std::string tabs(static_cast<std::size_t>(depth), '\t');
    return tabs + "<obj_" + address + " DataType=\"Viewable\" name=\"\" addr=\"\" group=\"" + group +
           "\" groupName=\"G" + group + "\" fullgroup=\"\" callback=\"\">\n" + tabs + "\t" + format + "\n" +
           tabs + "\t<text text=\"\" textID=\"\"/>\n" + tabs + "\t<defaults default=\"" + def +
           "\" min=\"\" max=\"\"/>\n" + tabs + "\t<description description=\"\"/>\n" + tabs + "</obj_" + address + ">\n";
}

const std::string kRoot = "<format Type=\"Root\"/>";
const std::string kU16 = "<format Type=\"StandartNum\" Size=\"16\" Signed=\"false\"/>";

const std::string kSettings =
    "\t<dictionary_settings group_set=\"20\" proc_series=\"28\" prefix=\"1\" AddrComm1=\"A1\" AddrUser1=\"U1\" "
    "AddrComm2=\"A2\" AddrUser2=\"U2\" BigYA=\"true\" M3Includes=\"false\" Use6000Range=\"true\" FormatType=\"1\" "
    "GenVostCToFolder=\"false\" VostCFolder=\"..\\out\" GenPUTextsToFolder=\"false\" PUCodeType=\"1\" "
    "PUTextsType=\"0\" PUEnumsType=\"3\" PUUseOtherEnumIfNoGiven=\"true\" PUTextsHPath=\"\" PUTextsHInc=\"&quot;DSP.h&quot;\" "
    "PUTextsCPath=\"\" PUTextsCInc=\"&quot;PU_Texts.h&quot;\" old_groups=\"false\" CurrSubProfile=\"1\"/>\n";

// A profile file exactly as saving writes it.
std::string normalisedFile() {
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
           "<root Tabrin4=\"v.4.0.0\">\n" +
           kSettings +
           "\t<eds_header header_text=\"[FileInfo]\"/>\n"
           "\t<scale_numbers>\n"
           "\t\t<scale_00 units=\"1\" prefix=\"0\" scaleQ=\"8\" num_of_float=\"1\" possible_value=\"220\" name=\"" +
           w("Напряжение") + "\"/>\n"
           "\t</scale_numbers>\n"
           "\t<Indexes name=\"" + w("Базовый профиль") + "\">\n" +
           object("2000h.00h", kRoot) + object("2000h.01h", kU16) + object("2000h.02h", kU16) +
           object("2001h.00h", kU16) + object("2100h.00h", kRoot) + object("2100h.01h", kU16) +
           object("2100h.02h", kU16, "1", std::to_string(1 * 1024 + 1 * 32 + 8)) +
           "\t</Indexes>\n"
           "\t<SubProfiles>\n"
           "\t\t<SubProfile_01 name=\"" + w("Вариант") + "\">\n" +
           object("2000h.02h", kU16, "1", "5", 3) +
           "\t\t</SubProfile_01>\n"
           "\t</SubProfiles>\n"
           "</root>\n";
}

class ProfileTest : public ::testing::Test {
protected:
    ProfileTest() : m_profile(m_translator, app::Language::Russian) {
        bases::SetBaseElement groups;
        groups.id = "20";
        groups.items = {{"G0", "", "", ""}, {"G1", "", "", ""}};
        m_sets.elements().push_back(groups);
    }

    TOperationResult parse(const std::string& text) {
        m_profile.reset();
        m_profile.text = text;
        return m_profile.parse();
    }

    std::vector<std::string> viewAddresses() const {
        std::vector<std::string> addresses;
        for (const DictObject* o : m_profile.view()) addresses.push_back(o->address() + "@" + std::to_string(o->configuration));
        return addresses;
    }

    app::Translator m_translator;
    bases::SetBase m_sets;
    Profile m_profile;
    test::TempFolder m_folder;
};

TEST_F(ProfileTest, NormalisedFileSavesToTheSameBytes) {
    const std::string file = normalisedFile();
    const auto path = m_folder.path() / "profile.xml";
    test::writeFile(path, file);
    ASSERT_EQ(m_profile.load(path).code, 0);
    EXPECT_EQ(m_profile.settings.prefix, 1);
    EXPECT_EQ(m_profile.settings.VostCFolder, "..\\out");
    EXPECT_TRUE(m_profile.settings.FormatType);
    EXPECT_EQ(m_profile.header_text, "[FileInfo]");
    ASSERT_EQ(m_profile.configurations.size(), 2u);
    EXPECT_EQ(m_profile.configurations[1].name, w("Вариант"));
    EXPECT_EQ(m_profile.CurrSubProfile, 1);

    const auto copy = m_folder.path() / "copy.xml";
    ASSERT_EQ(m_profile.save(copy, m_sets).code, 0);
    EXPECT_EQ(test::readFile(copy), file);
}

TEST_F(ProfileTest, RootsCountTheirObjectsAndLendThemTheirGroup) {
    ASSERT_EQ(parse("<root><dictionary_settings/><Indexes>" + object("1018h.02h", kU16, "7") +
                    object("1018h.00h", kRoot, "3") + object("1018h.01h", kU16, "7") + object("1018h.04h", kU16) +
                    object("1018h.03h", kU16) + object("1019h.00h", kU16) + "</Indexes></root>")
                  .code,
              0);
    const auto& objects = m_profile.configurations[0].objects;
    ASSERT_EQ(objects.size(), 6u);
    EXPECT_EQ(objects[0].address(), "1018h.00h");
    EXPECT_EQ(objects[0].format, "4");
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(objects[static_cast<std::size_t>(i)].group, "3") << i;
    EXPECT_EQ(objects[5].group, "1");
    EXPECT_EQ(m_profile.configurations[0].name, w("Базовый профиль"));
}

TEST_F(ProfileTest, ConfigurationsAreTheFirstIndexesAndTheElementsOfTheFirstSubProfiles) {
    // Configurations before the base profile, a second base profile and a second list of
    // configurations (both ignored), a configuration without a name or objects, and objects out of order.
    const std::string text = "<root>\n" + kSettings +
                             "\t<SubProfiles>\n"
                             "\t\t<SubProfile_01 name=\"A\">\n" +
                             object("2001h.00h", kU16, "1", "7", 3) + object("2000h.01h", kU16, "1", "6", 3) +
                             "\t\t</SubProfile_01>\n"
                             "\t\t<SubProfile_02/>\n"
                             "\t</SubProfiles>\n"
                             "\t<Indexes name=\"x\">\n" +
                             object("2000h.01h", kU16) + object("2000h.00h", kRoot) +
                             "\t</Indexes>\n"
                             "\t<Indexes>\n" +
                             object("3000h.00h", kU16) +
                             "\t</Indexes>\n"
                             "\t<SubProfiles>\n\t\t<SubProfile_01 name=\"B\"/>\n\t</SubProfiles>\n"
                             "</root>\n";
    ASSERT_EQ(parse(text).code, 0);
    ASSERT_EQ(m_profile.configurations.size(), 3u);
    const std::vector<std::string> names = {m_profile.configurations[0].name, m_profile.configurations[1].name,
                                            m_profile.configurations[2].name};
    EXPECT_EQ(names, (std::vector<std::string>{w("Базовый профиль"), "A", w("Без имени")}));
    const auto addresses = [&](std::size_t configuration) {
        std::vector<std::string> result;
        for (const DictObject& o : m_profile.configurations[configuration].objects) {
            result.push_back(o.address() + "=" + o.defaultValue + "@" + std::to_string(o.configuration));
        }
        return result;
    };
    EXPECT_EQ(addresses(0), (std::vector<std::string>{"2000h.00h=1@0", "2000h.01h=1@0"}));
    EXPECT_EQ(addresses(1), (std::vector<std::string>{"2000h.01h=6@1", "2001h.00h=7@1"}));
    EXPECT_TRUE(addresses(2).empty());
    EXPECT_EQ(m_profile.configurations[0].objects[0].format, "1");  // the root counts its member
    // Room was reserved for exactly each configuration's own objects.
    for (const SubProfile& configuration : m_profile.configurations) {
        EXPECT_EQ(configuration.objects.capacity(), configuration.objects.size()) << configuration.name;
    }
}

TEST_F(ProfileTest, SettingsWhenAbsent) {
    ASSERT_EQ(parse("<root><dictionary_settings proc_series=\"28\" AddrUser2=\"\"/></root>").code, 0);
    const ProfileSettings& s = m_profile.settings;
    EXPECT_EQ(s.AddrComm1, "CO1_SPI_START_ADDR");
    EXPECT_EQ(s.AddrComm2, "CO2_SPI_START_ADDR");
    EXPECT_EQ(s.AddrUser2, "CO1_SPI_START_ADDR");
    EXPECT_EQ(s.PUTextsHInc, "\"DSP.h\"");
    EXPECT_EQ(s.PUTextsCInc, "\"PU_Texts.h\"");
    EXPECT_EQ(s.PUTextsType, 2);
    EXPECT_EQ(s.PUEnumsType, 2);
    EXPECT_FALSE(s.PUUseOtherEnumIfNoGiven);
    ASSERT_EQ(m_profile.configurations.size(), 1u);  // a missing Indexes is an empty base profile

    ASSERT_EQ(parse("<root><dictionary_settings/></root>").code, 0);
    EXPECT_EQ(m_profile.settings.AddrComm1, "");  // defaults come only with the C-code group
    EXPECT_TRUE(m_profile.settings.PUUseOtherEnumIfNoGiven);

    ASSERT_EQ(parse("<root><dictionary_settings proc_series=\"24\" Vost_inc=\"true\" prefix=\"2\"/></root>").code, 0);
    EXPECT_EQ(m_profile.settings.proc_series, ProcessorSeries::Assembler);
    EXPECT_TRUE(m_profile.settings.Vost_inc);
    EXPECT_EQ(m_profile.settings.prefix, 0);

    app::Translator english;
    Profile englishProfile(english, app::Language::English);
    englishProfile.text = "<root><dictionary_settings proc_series=\"28\" PUEnumsType=\"x\"/></root>";
    ASSERT_EQ(englishProfile.parse().code, 0);
    EXPECT_EQ(englishProfile.settings.PUEnumsType, 3);
}

TEST_F(ProfileTest, EmptyAddressAndIncludeTextsAreWrittenAsTheirDefaults) {
    // Found by the profile's fuzz target: without a series the C-code texts stay empty, and reading
    // the saved file gives them their defaults, so each save gave another file.
    ASSERT_EQ(parse("<root><dictionary_settings group_set=\"2\"/></root>").code, 0);
    ASSERT_EQ(m_profile.settings.AddrComm1, "");
    const auto first = m_folder.path() / "first.xml";
    const auto second = m_folder.path() / "second.xml";
    ASSERT_EQ(m_profile.save(first, m_sets).code, 0);
    EXPECT_NE(test::readFile(first).find("AddrComm1=\"CO1_SPI_START_ADDR\" AddrUser1=\"CO1_SPI_START_ADDR\" "
                                         "AddrComm2=\"CO2_SPI_START_ADDR\" AddrUser2=\"CO1_SPI_START_ADDR\""),
              std::string::npos);
    EXPECT_NE(test::readFile(first).find("PUTextsHInc=\"&quot;DSP.h&quot;\" PUTextsCPath=\"\" "
                                         "PUTextsCInc=\"&quot;PU_Texts.h&quot;\""),
              std::string::npos);
    ASSERT_EQ(m_profile.load(first).code, 0);
    ASSERT_EQ(m_profile.save(second, m_sets).code, 0);
    EXPECT_EQ(test::readFile(second), test::readFile(first));
}

TEST_F(ProfileTest, ObjectWhoseElementNameHoldsNoIndexIsNotSaved) {
    // Found by the profile's fuzz target: the object read from <b/> moved with every save.
    ASSERT_EQ(parse("<root><dictionary_settings group_set=\"2\"/><Indexes><b/></Indexes>\n</root>").code, 0);
    const auto path = m_folder.path() / "p.xml";
    const TOperationResult refused = m_profile.save(path, m_sets);
    EXPECT_EQ(refused.code, 6);
    EXPECT_EQ(refused.message, u"Index of 'index.subindex' is not 5 characters long: .");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ProfileTest, AssemblerSettingsAreWrittenWithoutTheCGroup) {
    ASSERT_EQ(parse("<root><dictionary_settings group_set=\"20\" proc_series=\"24\" Vost_inc=\"true\"/></root>").code, 0);
    const auto path = m_folder.path() / "asm.xml";
    ASSERT_EQ(m_profile.save(path, m_sets).code, 0);
    EXPECT_NE(test::readFile(path).find("\t<dictionary_settings group_set=\"20\" proc_series=\"24\" Vost_inc=\"true\" "
                                        "old_groups=\"false\" CurrSubProfile=\"0\"/>\n\t<eds_header header_text=\"\"/>\n"
                                        "\t<scale_numbers/>\n\t<Indexes name=\"" + w("Базовый профиль") +
                                        "\"/>\n\t<SubProfiles/>\n</root>\n"),
              std::string::npos);
}

TEST_F(ProfileTest, View) {
    const std::string file = "<root><dictionary_settings CurrSubProfile=\"1\"/><Indexes>" + object("2000h.00h", kRoot) +
                             object("2000h.01h", kU16) + object("2000h.02h", kU16) + object("3000h.00h", kRoot) +
                             object("3000h.01h", kU16) + object("3000h.02h", kU16) + "</Indexes><SubProfiles>" +
                             "<a name=\"root replaces\">" + object("2000h.00h", kRoot) + object("2000h.05h", kU16) +
                             "</a><b name=\"single\">" + object("3000h.02h", kU16) + object("3000h.03h", kU16) +
                             "</b></SubProfiles></root>";
    ASSERT_EQ(parse(file).code, 0);
    EXPECT_EQ(viewAddresses(), (std::vector<std::string>{"2000h.00h@1", "2000h.05h@1", "3000h.00h@0", "3000h.01h@0",
                                                         "3000h.02h@0"}));
    m_profile.setCurrent(2);
    EXPECT_EQ(viewAddresses(), (std::vector<std::string>{"2000h.00h@0", "2000h.01h@0", "2000h.02h@0", "3000h.00h@0",
                                                         "3000h.01h@0", "3000h.02h@2", "3000h.03h@2"}));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(m_profile.view()[static_cast<std::size_t>(i)]->number, i);

    for (const int outside : {5, -1}) {
        m_profile.setCurrent(outside);
        EXPECT_EQ(m_profile.CurrSubProfile, 0);
        EXPECT_EQ(m_profile.view().size(), 6u);
    }
    ASSERT_EQ(parse("<root><dictionary_settings CurrSubProfile=\"5\"/></root>").code, 0);
    EXPECT_EQ(m_profile.CurrSubProfile, 0);
}

TEST_F(ProfileTest, ChangingObjects) {
    ASSERT_EQ(parse("<root><dictionary_settings/><Indexes>" + object("2000h.00h", kRoot) + object("2000h.01h", kU16) +
                    "</Indexes><SubProfiles><a name=\"v\"/></SubProfiles></root>")
                  .code,
              0);
    DictObject added;
    added.index = "1000h";
    added.subindex = "00h";
    m_profile.addObject(added);
    EXPECT_EQ(viewAddresses(), (std::vector<std::string>{"1000h.00h@0", "2000h.00h@0", "2000h.01h@0"}));
    m_profile.addObject(added, 1);
    m_profile.addObject(added, 7);  // no such configuration
    EXPECT_EQ(m_profile.configurations[1].objects.size(), 1u);
    m_profile.setCurrent(1);
    EXPECT_EQ(viewAddresses(), (std::vector<std::string>{"1000h.00h@1", "2000h.00h@0", "2000h.01h@0"}));

    m_profile.deleteRows(0, 2);  // one from each configuration
    EXPECT_EQ(viewAddresses(), (std::vector<std::string>{"1000h.00h@0", "2000h.01h@0"}));
    m_profile.deleteRows(1, 10);
    EXPECT_EQ(viewAddresses(), (std::vector<std::string>{"1000h.00h@0"}));
    m_profile.deleteObject("1000h", "00h", 0);
    EXPECT_TRUE(m_profile.view().empty());
}

TEST_F(ProfileTest, VendorToken) {
    struct Row { const char* def; const char* token; };
    const Row rows[] = {{"0x5c3e91d7", "5C3E91D7"}, {"0x1F", "0000001F"}, {"255", "000000FF"}, {"0", ""},
                        {"token", ""}, {"", ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.def);
        ASSERT_EQ(parse("<root><dictionary_settings/><Indexes>" + object("2600h.01h", kU16, "1", row.def) +
                        "</Indexes></root>")
                      .code,
                  0);
        EXPECT_EQ(m_profile.vendorToken, row.token);
    }
}

TEST_F(ProfileTest, ReadingFaults) {
    struct Row { const char* name; std::string text; std::u16string message; };
    const Row rows[] = {
        {"not XML", "garbage", u"'root' node not found"},
        {"other top element", "<other><root/></other>", u"'root' node not found"},
        {"no settings", "<root><Indexes/></root>", u"'dictionary_settings' node not found"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TOperationResult result = parse(row.text);
        EXPECT_EQ(result.code, 5);
        EXPECT_EQ(result.message, row.message);
    }
    const TOperationResult truncated = parse("<root><dictionary_settings/><Indexes>" + object("2000h.00h", kRoot));
    EXPECT_EQ(truncated.code, 5);
    EXPECT_NE(truncated.message.find(u"Warning: Unmatched end tag"), std::u16string::npos);

    const auto garbage = m_folder.path() / "garbage.xml";
    std::string noise(100 * 1024 * 1024, '<');
    for (std::size_t i = 0; i < noise.size(); i += 7) noise[i] = static_cast<char>(i * 31);
    test::writeFile(garbage, noise);
    EXPECT_EQ(m_profile.load(garbage).code, 5);
}

TEST_F(ProfileTest, FileFaults) {
    const auto missing = m_folder.path() / "missing.xml";
    const TOperationResult notThere = m_profile.load(missing);
    EXPECT_EQ(notThere.code, 2);
    EXPECT_EQ(notThere.message, cp1251::toUtf16("Can't open file '" + missing.string() + "' to read profile"));

    const auto huge = m_folder.path() / "huge.xml";  // sparse, and larger than any profile
    test::writeFile(huge, "");
    std::filesystem::resize_file(huge, std::uintmax_t(kMaxProfileFileSize) + 1);
    const TOperationResult tooBig = m_profile.load(huge);
    EXPECT_EQ(tooBig.code, 3);
    EXPECT_EQ(tooBig.message, u"Unable to allocate memory");

    // Only regular files are read: a pipe without a writer is not waited for, a device not read
    // without end.
    const auto pipe = m_folder.path() / "pipe.xml";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::filesystem::path& special : {pipe, std::filesystem::path("/dev/zero"), m_folder.path()}) {
        SCOPED_TRACE(special.string());
        const TOperationResult refused = m_profile.load(special);
        EXPECT_EQ(refused.code, 2);
        EXPECT_EQ(refused.message, cp1251::toUtf16("Can't open file '" + special.string() + "' to read profile"));
    }
}

TEST_F(ProfileTest, FileEncodings) {
    const std::filesystem::path folder = TEST_DATA_DIR "/profiles";
    struct Row {
        const char* file;
        int code;
        std::string name;  // of the first object, when the file was read
        std::u16string message;
    };
    const auto shown = [&](const char* file) { return cp1251::toUtf16((folder / file).string()); };
    const Row rows[] = {
        {"utf8-declared.xml", 0, w("Скорость «ротора» — №1"), u""},
        {"utf8-bom.xml", 0, w("Ток"), u""},
        {"cp1251-utf8-lookalike.xml", 0, "\xD0\xA2", u""},  // declared windows-1251: taken byte for byte
        {"utf8-latin.xml", 4, "",
         u"The profile '" + shown("utf8-latin.xml") +
             u"' is UTF-8 text and holds the character 'é' (U+00E9) on line 6, which Windows-1251 cannot hold"},
        {"utf8-malformed.xml", 4, "",
         u"The profile '" + shown("utf8-malformed.xml") + u"' is UTF-8 text but holds a byte that is not UTF-8 on line 4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const TOperationResult result = m_profile.load(folder / row.file);
        EXPECT_EQ(result.code, row.code);
        EXPECT_EQ(result.message, row.message);
        if (row.code != 0) continue;
        ASSERT_FALSE(m_profile.configurations.at(0).objects.empty());
        EXPECT_EQ(m_profile.configurations[0].objects[0].name, row.name);
    }

    // Saved again, the text is what the declaration says.
    ASSERT_EQ(m_profile.load(folder / "utf8-declared.xml").code, 0);
    const auto saved = m_folder.path() / "saved.xml";
    ASSERT_EQ(m_profile.save(saved, m_sets).code, 0);
    const std::string bytes = test::readFile(saved);
    EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root"));
    EXPECT_NE(bytes.find("name=\"" + w("Скорость «ротора» — №1") + "\""), std::string::npos);
}

TEST_F(ProfileTest, StandardInputLimit) {
    const auto input = m_folder.path() / "input.xml";
    test::writeFile(input, std::string(kStdinBufferSize, ' '));
    ASSERT_NE(std::freopen(input.c_str(), "rb", stdin), nullptr);
    const TOperationResult full = m_profile.load("stdin");
    EXPECT_EQ(full.code, 1);
    EXPECT_EQ(full.message, u"Size of data read from 'stdin' exceeds input buffer size (2097151 bytes)");

    test::writeFile(input, "<root><dictionary_settings group_set=\"20\"/></root>");
    ASSERT_NE(std::freopen(input.c_str(), "rb", stdin), nullptr);
    EXPECT_EQ(m_profile.load("stdin").code, 0);
    EXPECT_EQ(m_profile.settings.group_set, "20");
}

TEST_F(ProfileTest, SavingFaults) {
    ASSERT_EQ(parse("<root><dictionary_settings/><Indexes>" + object("2000h.00h", kRoot) + "</Indexes></root>").code, 0);
    const auto path = m_folder.path() / "p.xml";
    test::writeFile(path, "old");
    for (const char* groupSet : {"", "x"}) {
        m_profile.settings.group_set = groupSet;
        const TOperationResult refused = m_profile.save(path, m_sets);
        EXPECT_EQ(refused.code, 6);
        EXPECT_EQ(refused.message, u"Не задан номер перечисления с названиями групп параметров");
    }
    m_profile.settings.group_set = "20";
    DictObject tooLong;
    tooLong.index = "12600h";
    tooLong.subindex = "01h";
    m_profile.addObject(tooLong, 0);
    const TOperationResult badObject = m_profile.save(path, m_sets);
    EXPECT_EQ(badObject.code, 6);
    EXPECT_EQ(badObject.message, u"String 'index.subindex' is too long: 12600h.01h");
    EXPECT_EQ(m_profile.configurations[0].outcome.code, 3);
    EXPECT_EQ(test::readFile(path), "old");

    m_profile.deleteObject("12600h", "01h", 0);
    const TOperationResult noFolder = m_profile.save(m_folder.path() / "none" / "p.xml", m_sets);
    EXPECT_EQ(noFolder.code, 6);
    EXPECT_EQ(noFolder.message, u"Function 'XMLNode::writeToFile' returned error: 14 (No such file or directory)");

    // A read-only profile stays protected, though its folder would allow replacing it.
    std::filesystem::permissions(m_folder.path(), static_cast<std::filesystem::perms>(0777));
    std::filesystem::permissions(path, static_cast<std::filesystem::perms>(0444));
    test::giveToOrdinaryUser(path);
    TOperationResult readOnly;
    if (!test::runAsOrdinaryUser([&] { readOnly = m_profile.save(path, m_sets); }))
        GTEST_SKIP() << "cannot run as an ordinary user here";
    EXPECT_EQ(readOnly.code, 6);
    EXPECT_EQ(readOnly.message, u"Function 'XMLNode::writeToFile' returned error: 14 (Permission denied)");
    EXPECT_EQ(test::readFile(path), "old");
}

// Objects at one address (which the check before generation reports) keep the order they had.
TEST(SortObjects, OrdersByAddressKeepingTheOrderAtOneAddress) {
    const auto object = [](const char* index, const char* subindex, const char* name) {
        DictObject o;
        o.index = index;
        o.subindex = subindex;
        o.name = name;
        return o;
    };
    std::vector<DictObject> objects = {object("2001h", "00h", "a"), object("2000h", "02h", "b"),
                                       object("2000h", "01h", "c"), object("2000h", "02h", "d"),
                                       object("2000h", "02h", "e")};
    sortObjects(objects);
    std::string names;
    for (const DictObject& o : objects) names += o.name;
    EXPECT_EQ(names, "cbdea");
}

// The order is applied in place, cycle by cycle: reversed lists are cycles of two, a shuffled
// one has cycles of every length.
TEST(SortObjects, AnyOrderComesOutAsAStableSortGivesIt) {
    const auto objects = [](std::vector<int> keys) {
        std::vector<DictObject> list;
        for (std::size_t n = 0; n < keys.size(); ++n) {
            DictObject& o = list.emplace_back();
            o.index = numberToHexText(static_cast<std::uint32_t>(0x2000 + keys[n] / 4), 4);
            o.subindex = numberToHexText(static_cast<std::uint32_t>(keys[n] % 4), 2);
            o.name = std::to_string(n);
        }
        return list;
    };
    std::vector<int> shuffled(60);
    for (std::size_t n = 0; n < shuffled.size(); ++n) shuffled[n] = static_cast<int>((n * 37 + 11) % 53);
    struct Row {
        const char* name;
        std::vector<int> keys;
    };
    const Row rows[] = {
        {"reversed, odd length", {6, 5, 4, 3, 2, 1, 0}},
        {"reversed, even length", {3, 2, 1, 0}},
        {"two swapped pairs", {1, 0, 2, 4, 3}},
        {"shuffled with equal keys", shuffled},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<DictObject> sorted = objects(row.keys);
        std::vector<DictObject> expected = sorted;
        std::stable_sort(expected.begin(), expected.end(), lessThan);
        sortObjects(sorted);
        EXPECT_EQ(sorted, expected);
    }
}

}  // namespace
}  // namespace tabrin::model
