// The demo home's profile loads, keeps its bytes through load and save, and is a well-formed
// dictionary in each of its configurations.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::model {
namespace {

using test::w;

const std::filesystem::path kHome = DEMO_HOME_DIR;
const std::filesystem::path kDemoProfile = kHome / "profiles" / "demo_drive.xml";

class DemoProfile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_texts.load(bases::TextBase::filePath(kHome), m_port));
        ASSERT_TRUE(m_sets.load(bases::SetBase::filePath(kHome), m_port));
        ASSERT_EQ(m_profile.load(kDemoProfile).code, 0);
    }

    const DictObject* inView(std::string_view index, std::string_view subindex) const {
        for (const DictObject* object : m_profile.view()) {
            if (object->index == index && object->subindex == subindex) return object;
        }
        return nullptr;
    }

    test::ScriptedMessagePort m_port;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    app::Translator m_translator;
    Profile m_profile{m_translator, app::Language::Russian};
};

TEST_F(DemoProfile, LoadsTheBaseProfileAndOneVariant) {
    ASSERT_EQ(m_profile.configurations.size(), 2u);
    EXPECT_EQ(m_profile.configurations[0].name, w("Базовый профиль"));
    EXPECT_EQ(m_profile.configurations[1].name, w("ПЧ-Демо 2"));
    EXPECT_EQ(m_profile.CurrSubProfile, 0);
    EXPECT_EQ(m_profile.view().size(), m_profile.configurations[0].objects.size());
    EXPECT_EQ(m_profile.settings.group_set, "20");
    EXPECT_TRUE(m_profile.vendorToken.empty());
    EXPECT_EQ(m_profile.scaleNumbers.size(), 3u);
}

TEST_F(DemoProfile, SavingGivesBackTheSameBytes) {
    test::TempFolder folder;
    const std::filesystem::path saved = folder.path() / "demo_drive.xml";
    ASSERT_EQ(m_profile.save(saved, m_sets).code, 0);
    EXPECT_EQ(test::readFile(saved), test::readFile(kDemoProfile));
}

TEST_F(DemoProfile, VariantReplacesOneObjectAndOneWholeIndex) {
    m_profile.setCurrent(1);
    const DictObject* productCode = inView("1018h", "02h");
    ASSERT_NE(productCode, nullptr);
    EXPECT_EQ(productCode->configuration, 1);
    EXPECT_EQ(productCode->defaultValue, "1");
    for (const char* sibling : {"00h", "01h", "03h", "04h"}) {
        ASSERT_NE(inView("1018h", sibling), nullptr) << sibling;
        EXPECT_EQ(inView("1018h", sibling)->configuration, 0) << sibling;
    }
    const bool baseHasFifthProtection = std::any_of(
        m_profile.configurations[0].objects.begin(), m_profile.configurations[0].objects.end(),
        [](const DictObject& o) { return o.address() == "3200h.05h"; });
    EXPECT_TRUE(baseHasFifthProtection);
    EXPECT_EQ(inView("3200h", "05h"), nullptr);
    for (const DictObject* object : m_profile.view()) {
        if (object->index == "3200h") {
            EXPECT_EQ(object->configuration, 1) << object->address();
        }
    }
}

// What generation needs of every view: addresses in hex, each index a lone object or a root at
// 00h followed by consecutive subindexes, bit-field values in a byte, groups of the group
// enumeration, and texts that match the text base.
void expectWellFormed(const std::vector<DictObject*>& view, const bases::TextBase& texts,
                      const bases::SetBaseElement& groups) {
    std::map<std::string, std::vector<const DictObject*>> byIndex;
    std::string previous;
    for (const DictObject* object : view) {
        SCOPED_TRACE(object->address());
        EXPECT_EQ(numberToHexText(hexTextToNumber(object->index), 4), object->index);
        EXPECT_EQ(numberToHexText(hexTextToNumber(object->subindex), 2), object->subindex);
        EXPECT_LT(previous, object->address());
        previous = object->address();
        byIndex[object->index].push_back(object);

        if (object->Type == "Bit") {
            for (const std::string* value : {&object->defaultValue, &object->min, &object->max}) {
                const auto number = toIntegerAutoBase(*value);
                if (number) {
                    EXPECT_TRUE(*number >= 0 && *number <= 255) << *value;
                }
            }
        }
        const auto group = toIntegerAutoBase(object->group);
        ASSERT_TRUE(group.has_value());
        EXPECT_LT(*group, static_cast<std::int64_t>(groups.items.size()));

        const int text = texts.find(object->textID);
        ASSERT_GE(text, 0) << object->textID;
        EXPECT_EQ(object->text, texts.elements()[static_cast<std::size_t>(text)].text);
        EXPECT_EQ(object->name, texts.elements()[static_cast<std::size_t>(text)].trus);
    }
    for (const auto& [index, objects] : byIndex) {
        SCOPED_TRACE(index);
        EXPECT_EQ(objects.front()->subindex, "00h");
        EXPECT_EQ(objects.front()->isRoot(), objects.size() > 1);
        if (objects.size() > 1) {
            EXPECT_EQ(objects.front()->format, std::to_string(objects.size() - 1));
        }
        for (std::size_t i = 1; i < objects.size(); ++i) {
            EXPECT_EQ(objects[i]->subindex, numberToHexText(static_cast<std::uint32_t>(i), 2));
            EXPECT_FALSE(objects[i]->isRoot());
        }
    }
}

TEST_F(DemoProfile, EveryConfigurationIsAWellFormedDictionary) {
    const bases::SetBaseElement* groups = m_sets.findSet(m_profile.settings.group_set);
    ASSERT_NE(groups, nullptr);
    for (int c = 0; c < static_cast<int>(m_profile.configurations.size()); ++c) {
        SCOPED_TRACE(c);
        m_profile.setCurrent(c);
        expectWellFormed(m_profile.view(), m_texts, *groups);
    }
}

}  // namespace
}  // namespace tabrin::model
