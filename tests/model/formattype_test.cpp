// The kinds of an object's format and the texts the profile file names them by.
#include "model/formattype.h"

#include <gtest/gtest.h>

#include <string>

#include "model/dictobject.h"

namespace tabrin::model {
namespace {

TEST(FormatKinds, EveryKnownTextNamesItsKindAndBack) {
    for (const char* text : {"Root", "Bit", "StandartNum", "IQ", "Float"}) {
        SCOPED_TRACE(text);
        EXPECT_NE(formatTypeOf(text), FormatType::Unknown);
        EXPECT_EQ(formatTypeText(formatTypeOf(text)), text);
    }
    for (const char* text : {"Absolute", "Relative"}) {
        SCOPED_TRACE(text);
        EXPECT_NE(floatKindOf(text), FloatKind::Unknown);
        EXPECT_EQ(floatKindText(floatKindOf(text)), text);
    }
    for (const char* text : {"Viewable", "Editable", "Protected", "Secret"}) {
        SCOPED_TRACE(text);
        EXPECT_NE(accessOf(text), Access::Unknown);
        EXPECT_EQ(accessText(accessOf(text)), text);
    }
}

// The file's texts are compared exactly: another case or a blank is another text.
TEST(FormatKinds, OtherTextsAreUnknown) {
    for (const char* text : {"", "root", "IQ ", "Standart"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(formatTypeOf(text), FormatType::Unknown);
        EXPECT_EQ(floatKindOf(text), FloatKind::Unknown);
        EXPECT_EQ(accessOf(text), Access::Unknown);
    }
    EXPECT_EQ(formatTypeText(FormatType::Unknown), "");
    DictObject object;
    object.Type = "root";
    EXPECT_FALSE(object.isRoot());
}

}  // namespace
}  // namespace tabrin::model
