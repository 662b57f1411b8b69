// The profile settings page: group enumeration, CAN module and address fields, paths kept
// relative to the profile file.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "model/profile.h"
#include "model/profilesettingspage.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::model {
namespace {

using test::w;

DictObject object(const std::string& index, const std::string& subindex, const std::string& value) {
    DictObject o;
    o.index = index;
    o.subindex = subindex;
    o.defaultValue = value;
    return o;
}

TEST(GroupEnumeration, EntriesNameEveryEnumerationAndFindTheProfilesOne) {
    bases::SetBase sets;
    sets.elements() = {{"5", {{w("Нет"), "No", "", ""}, {w("Да"), "Yes", "", ""}}, "", ""}, {"12", {}, "", ""}};
    const std::vector<std::string> entries = groupSetEntries(sets, app::Language::Russian);
    EXPECT_EQ(entries, (std::vector<std::string>{w("5: Нет/Да"), "12: "}));
    EXPECT_EQ(groupSetEntries(sets, app::Language::English).front(), "5: No/Yes");
    EXPECT_EQ(groupSetEntryPosition(entries, "12"), 1);
    EXPECT_EQ(groupSetEntryPosition(entries, "1"), -1);
    EXPECT_EQ(groupSetEntryPosition(entries, ""), -1);
}

TEST(GroupEnumeration, ChoiceNamesTheNumberAndTheGroupObjectsOfTheView) {
    EXPECT_EQ(groupSetOfEntry(w("12: Выкл/Вкл: режим")), "12");
    EXPECT_EQ(groupSetOfEntry("7"), "7");
    app::Translator translator;
    Profile profile(translator, app::Language::Russian);
    profile.configurations = {SubProfile{
        {}, "base", {object("2534h", "00h", "0"), object("2534h", "01h", "20"), object("2535h", "01h", "20")}}};
    profile.rebuildView();
    const std::vector<const DictObject*> objects = groupSetObjects(profile);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]->address(), "2534h.01h");
}

TEST(CanModule, ChangeIsLoggedWithTheItemText) {
    EXPECT_EQ(canModuleLogLine(2, w("2-ой модуль CANopen")),
              "CAN module number changed to #2: " + w("2-ой модуль CANopen"));
}

TEST(AddressFields, ShownForTheChosenModule) {
    struct Row {
        const char* name;
        int module;
        AddressFieldsView view;
    };
    ProfileSettings settings;
    settings.AddrComm1 = "A1";
    settings.AddrUser1 = " ";
    settings.AddrComm2 = "";
    settings.AddrUser2 = "";
    const Row rows[] = {
        {"single module", 0, {false, "", ""}},
        {"module 1, blank user part", 1, {true, "A1", "CO1_SPI_START_ADDR"}},
        {"module 2 without addresses", 2, {true, "CO2_SPI_START_ADDR", "CO1_SPI_START_ADDR"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        settings.prefix = row.module;
        EXPECT_EQ(addressFieldsView(settings), row.view);
    }
    // The defaults are shown, not stored.
    EXPECT_EQ(settings.AddrComm2, "");
}

TEST(AddressFields, EnterStoresIntoTheChosenModule) {
    struct Row {
        const char* name;
        int module;
        AddressField field;
        bool stored;
        std::string ProfileSettings::*member;
    };
    const Row rows[] = {
        {"module 1 mandatory part", 1, AddressField::Comm, true, &ProfileSettings::AddrComm1},
        {"module 1 user part", 1, AddressField::User, true, &ProfileSettings::AddrUser1},
        {"module 2 mandatory part", 2, AddressField::Comm, true, &ProfileSettings::AddrComm2},
        {"module 2 user part", 2, AddressField::User, true, &ProfileSettings::AddrUser2},
        {"single module stores nothing", 0, AddressField::Comm, false, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProfileSettings settings;
        settings.prefix = row.module;
        const ProfileSettings before = settings;
        EXPECT_EQ(storeAddress(settings, row.field, "0x100"), row.stored);
        ProfileSettings expected = before;
        if (row.member != nullptr) expected.*row.member = "0x100";
        EXPECT_EQ(settings, expected);
    }
}

// Typed and chosen paths are path texts (UTF-8); the profile stores them in Windows-1251.
TEST(PathFields, AbsolutePathsBecomeRelativeToTheProfile) {
    struct Row {
        const char* name;
        std::string typed;
        std::string stored;
        std::string profile = "/work/project/profiles/drive.xml";
    };
    const Row rows[] = {
        {"folder beside the profile's", "/work/project/out", "../out"},
        {"below the profile", "/work/project/profiles/gen/vost.c", "gen/vost.c"},
        {"relative as typed", "..\\out\\", "..\\out\\"},
        {"empty", "", ""},
        {"another system's drive path stays", "D:\\out", "D:\\out"},
        {"Cyrillic", "/work/project/Вывод", w("../Вывод")},
        {"a folder the code page lacks, left by the relative form", "/work/Jörg/gen", "gen", "/work/Jörg/drive.xml"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        app::Translator translator;
        test::ScriptedMessagePort port;
        std::string setting = "before";
        EXPECT_TRUE(storePathText(setting, row.profile, row.typed, port, translator));
        EXPECT_EQ(setting, row.stored);
        EXPECT_TRUE(port.asked().empty());
    }
}

TEST(PathFields, APathTheProfileCannotHoldIsRefusedAndToldNotStoredWrong) {
    const std::string rows[] = {"/work/Jörg/out", "../Jörg", "D:\\Jörg"};
    for (const std::string& typed : rows) {
        SCOPED_TRACE(typed);
        app::Translator translator;
        test::ScriptedMessagePort port;
        std::string setting = "../out";
        EXPECT_FALSE(storePathText(setting, "/work/project/profiles/drive.xml", typed, port, translator));
        EXPECT_EQ(setting, "../out");
        ASSERT_EQ(port.asked().size(), 1u);
        EXPECT_EQ(port.asked()[0].caption, w("Ошибка"));
        EXPECT_NE(port.asked()[0].text.find("U+00F6"), std::string::npos);
    }
}

}  // namespace
}  // namespace tabrin::model
