// The C header of the panel texts.
#include <gtest/gtest.h>

#include "bases/setbase.h"
#include "panel/cheader.h"
#include "layoutlines.h"

namespace tabrin {
namespace {

using panel::PanelType;

TEST(CHeader, DeclaresEveryEnumerationOfTheBaseOnce) {
    bases::SetBase sets;
    for (const char* id : {"12", "5", "12", "abc", "-1", "300"}) sets.elements().push_back({id, {}, {}, {}});
    test::LayoutEnvironment layout;
    const struct {
        const char* name;
        PanelType type;
        const char* include;
        const char* includeLine;
        const char* textsLine;
    } cases[] = {
        {"strings, default include", PanelType::C28x, "", "#include \"DSP.h\"",
         "extern const char* const texts_texts[];"},
        {"packed", PanelType::CPacked2808, "", "#include \"DSP.h\"", "extern Uint16 const texts_texts[];"},
        {"HIWIN with its include", PanelType::CHiwin, "<LCD/Texts.h>", "#include <LCD/Texts.h>",
         "extern const char* const texts_texts[];"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        const panel::LayoutContext context{layout.environment, {}, "", row.include};
        const std::vector<std::string> expected = {"/************************************************************",
                                                   "* Заголовочный файл описания текстов для ПУ",
                                                   "* Дата создания: 01.02.2024 10:20:30",
                                                   "* Пользователь: Иванов",
                                                   "************************************************************/",
                                                   "",
                                                   row.includeLine,
                                                   "",
                                                   "const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar);",
                                                   "",
                                                   "#ifdef __cplusplus",
                                                   "extern \"C\"",
                                                   "{",
                                                   "#endif",
                                                   "",
                                                   "extern const char* const texts_enum12[];",
                                                   "extern const char* const texts_enum5[];",
                                                   "extern const char* const texts_enum300[];",
                                                   "",
                                                   row.textsLine,
                                                   "extern Uint16 const TextCounter;",
                                                   "",
                                                   "#ifdef __cplusplus",
                                                   "}",
                                                   "#endif"};
        EXPECT_EQ(panel::cHeaderLines(row.type, sets, context), test::cp1251Lines(expected));
    }
}

}  // namespace
}  // namespace tabrin
