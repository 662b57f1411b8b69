// The vendor token: the origin questions on opening, and the object 2600h.01h brought in line.
#include <gtest/gtest.h>

#include <optional>

#include "app/translator.h"
#include "bases/textbase.h"
#include "model/profile.h"
#include "model/vendortoken.h"
#include "support/scriptedmessageport.h"
#include "support/utf8.h"

namespace tabrin::model {
namespace {

using app::MessageAnswer;
using test::w;

TEST(ProfileOrigin, AsksWhenTheTokensDiffer) {
    struct Row {
        const char* name;
        std::string program;
        std::string profile;
        std::optional<std::string> question;  // UTF-8; none: nothing is asked
    };
    const Row rows[] = {
        {"no tokens", "", "", std::nullopt},
        {"same token", "0000ABCD", "0000ABCD", std::nullopt},
        {"same token but for letter case", "0000abcd", "0000ABCD", std::nullopt},
        {"other token", "0000abcd", "12345678",
         "Открываемый профиль создан в приложении Tabrin с другой базой текстов, имеющей ключ производителя 12345678 "
         "(объект 2600.01).\r\nВаша же версия Tabrin настроена на ключ производителя 0000ABCD.\r\nОткрывать профиль "
         "настоятельно не рекомендуется!\r\nЗначение ключа производителя в профиле будет заменено на 0000ABCD!\r\n"
         "Открыть?"},
        {"profile without token", "0000abcd", "",
         "Открываемый профиль создан в приложении Tabrin с другой базой текстов, не имеющей ключа производителя.\r\n"
         "Открывать профиль настоятельно не рекомендуется!\r\nВ профиле будет создан объект 2600.01 с ключом "
         "производителя 0000ABCD!\r\nОткрыть?"},
        {"program without token", "", "12345678",
         "Открываемый профиль создан в приложении Tabrin с другой базой текстов, имеющей ключ производителя 12345678 "
         "(объект 2600.01).\r\nОткрывать профиль настоятельно не рекомендуется!\r\nЗначение ключа производителя в "
         "профиле будет обнулено!\r\nОткрыть?"},
    };
    app::Translator translator;
    const std::string fileName = w("привод.xml");
    for (const Row& row : rows) {
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
            SCOPED_TRACE(std::string(row.name) + (answer == MessageAnswer::Yes ? ", Yes" : ", No"));
            test::ScriptedMessagePort port({answer});
            const bool opens = checkProfileOrigin(fileName, row.program, row.profile, port, translator);
            if (!row.question) {
                EXPECT_TRUE(opens);
                EXPECT_TRUE(port.asked().empty());
                continue;
            }
            EXPECT_EQ(opens, answer == MessageAnswer::Yes);
            const app::Message expected{fileName, w(*row.question), app::MessageButtons::YesNo,
                                        app::MessageIcon::Warning};
            ASSERT_EQ(port.asked().size(), 1u);
            EXPECT_EQ(cp1251::toUtf8(port.asked()[0].text), *row.question);
            EXPECT_EQ(port.asked()[0], expected);
        }
    }
}

bases::TextBaseElement text(int number, const std::string& shortText, const std::string& author = "other") {
    const std::string id = std::to_string(number);
    return {id, id, shortText, "0", shortText.empty() ? "" : "long " + shortText, "", author};
}

// Every text number taken, so that no text can be added.
std::vector<bases::TextBaseElement> fullTextBase(int vendIdNumber) {
    std::vector<bases::TextBaseElement> texts;
    for (int number = 1; number <= bases::kMaxTextNumber; ++number) {
        texts.push_back(text(number, number == vendIdNumber ? "VendID" : "T" + std::to_string(number)));
    }
    return texts;
}

DictObject variable(const std::string& index, const std::string& subindex, const std::string& value = "1") {
    DictObject o;
    o.index = index;
    o.subindex = subindex;
    o.defaultValue = value;
    o.addr = "VendorToken";
    o.Type = "StandartNum";
    return o;
}

class VendorTokenAlignment : public ::testing::Test {
protected:
    static constexpr const char* kUser = "ivan";

    VendorTokenAlignment() : m_profile(m_translator, app::Language::Russian) {
        m_texts.elements() = {text(1, "VendID"), text(7, "Vendor Specific"), text(9, "Vendor Token")};
    }

    void setBase(std::vector<DictObject> objects) {
        m_profile.configurations = {SubProfile{{}, w("Базовый профиль"), std::move(objects)}};
        m_profile.rebuildView();
    }

    VendorTokenChanges align(std::string_view programToken) {
        return alignVendorToken(m_profile, programToken, m_texts, kUser, m_port, m_translator);
    }

    const DictObject* inView(const std::string& address) const {
        for (const DictObject* o : m_profile.view()) {
            if (o->address() == address) return o;
        }
        return nullptr;
    }

    app::Translator m_translator;
    bases::TextBase m_texts;
    test::ScriptedMessagePort m_port;
    Profile m_profile;
};

TEST_F(VendorTokenAlignment, CreatesRootAndTokenWithoutTheFirmwareBox) {
    setBase({variable("1000h", "00h")});
    EXPECT_EQ(align("0000abcd"), (VendorTokenChanges{true, false}));
    EXPECT_TRUE(m_port.asked().empty());
    EXPECT_FALSE(m_texts.isModified());

    DictObject root;
    root.index = "2600h";
    root.subindex = "00h";
    root.name = root.text = "Vendor Specific";
    root.textID = "7";
    root.description = w("Служебная информация производителя");
    root.defaultValue = "0";
    root.format = "0";
    root.DataType = "Viewable";
    root.Type = "Root";
    root.group = "2";
    root.number = 1;
    root.serial = 1;  // the first serial the profile gives, its one object being made by hand
    DictObject token;
    token.index = "2600h";
    token.subindex = "01h";
    token.name = token.text = "Vendor Token";
    token.textID = "9";
    token.description = w("Ключ производителя - берётся из настроек 'Tabrin'");
    token.defaultValue = "0x0000abcd";
    token.addr = "VendorToken";
    token.format = "19456";
    token.DataType = "Editable";
    token.Type = "StandartNum";
    token.Signed = "false";
    token.Size = "32";
    token.group = "2";
    token.number = 2;
    token.serial = 2;
    ASSERT_EQ(m_profile.view().size(), 3u);
    EXPECT_EQ(*m_profile.view()[1], root);
    EXPECT_EQ(*m_profile.view()[2], token);
    EXPECT_EQ(m_profile.configurations[0].objects.size(), 3u);
}

TEST_F(VendorTokenAlignment, TextsOfCreatedObjects) {
    struct Row {
        const char* name;
        std::vector<bases::TextBaseElement> texts;
        std::string rootText;
        std::string tokenText;
        bool textsAdded;
    };
    const Row rows[] = {
        {"found by short text", {text(3, "VendID"), text(7, "Vendor Specific"), text(9, "Vendor Token")}, "7", "9",
         false},
        {"added for the user", {text(3, "VendID")}, "4", "5", true},
        {"own empty texts reused", {text(3, "VendID"), text(5, ""), text(6, "", kUser), text(8, "", kUser)}, "6", "8",
         true},
        {"no text to add: the vendor's identity", fullTextBase(12), "12", "12", false},
        {"no text to add nor identity: the first text", fullTextBase(0), "1", "1", false},
        {"empty base", {}, "", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_texts.elements() = row.texts;
        m_texts.setModified(false);
        setBase({});
        EXPECT_EQ(align("0000ABCD"), (VendorTokenChanges{true, row.textsAdded}));
        EXPECT_EQ(m_texts.isModified(), row.textsAdded);
        ASSERT_NE(inView("2600h.00h"), nullptr);
        ASSERT_NE(inView("2600h.01h"), nullptr);
        EXPECT_EQ(inView("2600h.00h")->textID, row.rootText);
        EXPECT_EQ(inView("2600h.01h")->textID, row.tokenText);
        if (!row.textsAdded) continue;
        for (const auto& [name, number] : {std::pair{"Vendor Specific", row.rootText},
                                           std::pair{"Vendor Token", row.tokenText}}) {
            const int position = m_texts.findExact(number);
            ASSERT_GE(position, 0);
            const bases::TextBaseElement& added = m_texts.elements()[static_cast<std::size_t>(position)];
            EXPECT_EQ(added.text, name);
            EXPECT_EQ(added.trus, name);
            EXPECT_EQ(added.teng, name);
            EXPECT_EQ(added.author, kUser);
        }
    }
}

TEST_F(VendorTokenAlignment, ExistingTokenTakesTheProgramsValue) {
    struct Row {
        const char* name;
        std::string programToken;
        std::string before;
        std::string after;  // the value set and shown, or empty when nothing changes
    };
    const Row rows[] = {
        {"other token", "0000abcd", "0x12345678", "0x0000abcd"},
        {"no program token zeroes it", "", "0x12345678", "0"},
        {"default that is no number", "0000abcd", "abc", "0x0000abcd"},
        {"equal but for letter case", "0000abcd", "0x0000ABCD", ""},
        {"equal in decimal", "000000FF", "255", ""},
        {"zero without a program token", "", "0", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::ScriptedMessagePort port;
        setBase({variable("2600h", "00h"), variable("2600h", "01h", row.before)});
        const VendorTokenChanges changes =
            alignVendorToken(m_profile, row.programToken, m_texts, kUser, port, m_translator);
        EXPECT_EQ(changes, (VendorTokenChanges{!row.after.empty(), false}));
        EXPECT_EQ(m_profile.view().size(), 2u);
        EXPECT_EQ(inView("2600h.01h")->defaultValue, row.after.empty() ? row.before : row.after);
        if (row.after.empty()) {
            EXPECT_TRUE(port.asked().empty());
            continue;
        }
        const app::Message box{"", w("Проверьте, что в вашем ПО присваивается значение:\r\n") + "VendorToken = " + row.after,
                               app::MessageButtons::Ok, app::MessageIcon::Warning};
        EXPECT_EQ(port.asked(), std::vector<app::Message>{box});
    }
}

TEST_F(VendorTokenAlignment, NothingToDo) {
    setBase({variable("1000h", "00h")});
    EXPECT_EQ(align(""), VendorTokenChanges{});
    EXPECT_EQ(m_profile.view().size(), 1u);

    m_profile.reset();  // no profile loaded
    EXPECT_EQ(align("0000ABCD"), VendorTokenChanges{});
    EXPECT_EQ(m_texts.elements().size(), 3u);
    EXPECT_TRUE(m_port.asked().empty());
}

TEST_F(VendorTokenAlignment, AddsOnlyTheTokenWhenTheRootExists) {
    DictObject root = variable("2600h", "00h");
    root.Type = "Root";
    setBase({root});
    EXPECT_EQ(align("0000ABCD"), (VendorTokenChanges{true, false}));
    ASSERT_EQ(m_profile.view().size(), 2u);
    EXPECT_EQ(m_profile.view()[0]->Type, "Root");
    EXPECT_EQ(m_profile.view()[1]->address(), "2600h.01h");
}

TEST_F(VendorTokenAlignment, ObjectsGoIntoTheCurrentConfiguration) {
    setBase({variable("1000h", "00h")});
    m_profile.configurations.push_back(SubProfile{{}, "variant", {}});
    m_profile.setCurrent(1);
    align("0000ABCD");
    EXPECT_EQ(m_profile.configurations[0].objects.size(), 1u);
    ASSERT_EQ(m_profile.configurations[1].objects.size(), 2u);
    EXPECT_EQ(inView("2600h.00h")->configuration, 1);
    EXPECT_EQ(inView("2600h.01h")->configuration, 1);
}

}  // namespace
}  // namespace tabrin::model
