// The comparisons of the dictionary page on an open profile: with another file (chosen, cancelled,
// unreadable, by configuration) and of the current configuration with the base profile.
#include <gtest/gtest.h>

#include <memory>

#include "app/cp1251.h"
#include "app/paths.h"
#include "session/profilecomparing.h"
#include "session/profilesession.h"
#include "session/workspace.h"
#include "support/profilefile.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::session {
namespace {

namespace fs = std::filesystem;
using editing::ComparedPart;
using editing::ComparisonLine;
using editing::DifferenceKind;
using test::w;

std::string fixture(const char* name) {
    return app::pathText(fs::path(TEST_DATA_DIR) / "diff" / (std::string(name) + ".xml"));
}

class ProfileComparingTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(DEMO_HOME_DIR, home.path(), fs::copy_options::recursive);
        workspace = std::make_unique<Workspace>(home.path(), app::progLanguageRussian);
        workspace->start();
        ASSERT_TRUE(workspace->loadBases(port));
        session = std::make_unique<ProfileSession>(*workspace, port, dialogs);
        ASSERT_TRUE(session->open(fixture("profile")));
        port = test::ScriptedMessagePort();
    }

    std::optional<ShownComparison> withFile(std::optional<std::string> file) {
        dialogs.answer(std::move(file));
        return compareWithFile(*workspace, port, dialogs, session->path());
    }

    // The object of the open profile's view at `address`.
    model::ObjectSerial serialOf(const std::string& address) const {
        for (const model::DictObject* object : workspace->profile.view()) {
            if (object->address() == address) return object->serial;
        }
        ADD_FAILURE() << "no object " << address;
        return 0;
    }

    test::TempFolder home;
    test::ScriptedMessagePort port;
    test::ScriptedFileDialogPort dialogs;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<ProfileSession> session;
};

TEST_F(ProfileComparingTest, TheChosenFileAgainstTheOpenProfile) {
    const std::optional<ShownComparison> shown = withFile(fixture("three"));
    ASSERT_TRUE(shown);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0], (app::FileDialog{w("Сравнить с файлом"), w("XML-файлы (*.xml)|*.xml|все файлы|*.*"),
                                                   fixture("profile"), "xml"}));
    EXPECT_EQ(shown->caption, w("Сравнение с файлом ") + fixture("three"));
    EXPECT_EQ(shown->sideA, w("В файле (Базовый профиль)"));
    EXPECT_EQ(shown->sideB, w("В профиле (Базовый профиль)"));
    EXPECT_EQ(shown->lines, (std::vector<ComparisonLine>{{DifferenceKind::Changed,
                                                          ComparedPart::Object,
                                                          "2000h.01h",
                                                          0,
                                                          w("Напряжение звена постоянного тока"),
                                                          {"default", "550", "540"},
                                                          shown->lines.at(0).serialA,
                                                          serialOf("2000h.01h")},
                                                         {DifferenceKind::OnlyInB,
                                                          ComparedPart::Object,
                                                          "2000h.03h",
                                                          0,
                                                          w("Выходная частота"),
                                                          {},
                                                          0,
                                                          serialOf("2000h.03h")},
                                                         {DifferenceKind::OnlyInA,
                                                          ComparedPart::Object,
                                                          "2002h.00h",
                                                          0,
                                                          w("Температура радиатора"),
                                                          {},
                                                          shown->lines.at(2).serialA,
                                                          0}}));
    EXPECT_TRUE(port.asked().empty());
}

TEST_F(ProfileComparingTest, TheOpenProfilesOwnFileShowsNothing) {
    // Opening makes a C-code profile encrypt its format words whatever its file says.
    ASSERT_TRUE(workspace->profile.settings.FormatType);
    const std::optional<ShownComparison> shown = withFile(fixture("profile"));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->lines, std::vector<ComparisonLine>{});
}

TEST_F(ProfileComparingTest, CancelledOrUnreadableGivesNoComparison) {
    EXPECT_FALSE(withFile(std::nullopt));
    EXPECT_TRUE(port.asked().empty());

    const fs::path notAProfile = home.path() / "other.xml";
    test::writeFile(notAProfile, "<?xml version=\"1.0\"?>\n<other/>\n");
    EXPECT_FALSE(withFile(app::pathText(notAProfile)));
    ASSERT_EQ(port.asked().size(), 1u);
    EXPECT_EQ(port.asked()[0].caption, w("Ошибка"));
    EXPECT_EQ(port.asked()[0].text, "'root' node not found");
    EXPECT_EQ(port.asked()[0].icon, app::MessageIcon::Error);
}

TEST_F(ProfileComparingTest, TheFilesConfigurationAtTheCurrentPositionElseItsBaseProfile) {
    workspace->document.setCurrent(1);
    const std::optional<ShownComparison> sameConfiguration = withFile(fixture("three"));
    ASSERT_TRUE(sameConfiguration);
    EXPECT_EQ(sameConfiguration->sideA, w("В файле (Вариант 1)"));
    EXPECT_EQ(sameConfiguration->sideB, w("В профиле (Вариант 1)"));
    // The configuration's own object hides the changed default.
    EXPECT_EQ(sameConfiguration->lines.size(), 2u);

    const fs::path baseOnly = home.path() / "base_only.xml";
    test::writeFile(baseOnly, test::profileFile(test::objectElement("2000h.01h")));
    const std::optional<ShownComparison> noSuchConfiguration = withFile(app::pathText(baseOnly));
    ASSERT_TRUE(noSuchConfiguration);
    EXPECT_EQ(noSuchConfiguration->sideA, w("В файле (Базовый профиль)"));
}

TEST_F(ProfileComparingTest, TheBaseProfileAgainstTheCurrentConfiguration) {
    EXPECT_FALSE(canCompareWithBaseProfile(*workspace));
    workspace->document.setCurrent(1);
    ASSERT_TRUE(canCompareWithBaseProfile(*workspace));
    const ShownComparison shown = compareWithBaseProfile(*workspace);
    EXPECT_EQ(shown.caption, w("Сравнение с базовым профилем"));
    EXPECT_EQ(shown.sideA, w("Базовый профиль"));
    EXPECT_EQ(shown.sideB, w("Вариант 1"));
    ASSERT_EQ(shown.lines.size(), 1u);
    EXPECT_EQ(shown.lines[0].change, (editing::FieldChange{"default", "540", "600"}));
    EXPECT_EQ(shown.lines[0].serialB, serialOf("2000h.01h"));
    EXPECT_NE(shown.lines[0].serialA, shown.lines[0].serialB);
}

}  // namespace
}  // namespace tabrin::session
