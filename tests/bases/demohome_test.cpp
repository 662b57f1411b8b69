// The demo home's bases load without faults and save back to the same bytes.
#include <gtest/gtest.h>

#include "bases/setbase.h"
#include "bases/textbase.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"

namespace tabrin::bases {
namespace {

TEST(DemoHome, BasesRoundTripByteForByte) {
    const std::filesystem::path home = DEMO_HOME_DIR;
    test::ScriptedMessagePort port;
    TextBase texts;
    SetBase sets;
    ASSERT_TRUE(texts.load(TextBase::filePath(home), port));
    ASSERT_TRUE(sets.load(SetBase::filePath(home), port));
    EXPECT_TRUE(port.asked().empty());
    EXPECT_GE(texts.elements().size(), 24u);
    for (const char* fixedRole : {"6", "7"}) EXPECT_NE(sets.findSet(fixedRole), nullptr) << fixedRole;

    test::TempFolder copy;
    ASSERT_TRUE(texts.save(copy.path() / "TextBase.xml").ok());
    ASSERT_TRUE(sets.save(copy.path() / "SetBase.xml").ok());
    EXPECT_EQ(test::readFile(copy.path() / "TextBase.xml"), test::readFile(TextBase::filePath(home)));
    EXPECT_EQ(test::readFile(copy.path() / "SetBase.xml"), test::readFile(SetBase::filePath(home)));
}

}  // namespace
}  // namespace tabrin::bases
