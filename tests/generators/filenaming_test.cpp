// Names of the controller file's folder copy: transliterated configuration names, the CAN module's
// base name and the folder, relative or absolute, written with either separator.
#include <gtest/gtest.h>

#include "generators/filenaming.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::Obj;
using test::w;

TEST(TransliterateName, EveryKindOfCharacter) {
    const std::pair<const char*, const char*> rows[] = {
        {"Насос 2", "Nasos_2"},
        {"Насос/Тест", "Nasos_Test"},
        {"Ёлка ёж", "YOlka_yozh"},
        {"Щука и щи", "SCHuka_i_schi"},
        {"Объём", "Ob'yom"},
        {"Цех-Эхо, Юг", "TSekh-Ekho,_YUg"},
        {"Что?", "CHto"},
        {"a:b*c\"d<e>f|g\\h", "a-b-c'd[e]f_g_h"},
        {"Яя ЖжХх Шш", "YAya_ZHzhKHkh_SHsh"},
        {"Plain_Latin-1.0", "Plain_Latin-1.0"},
        {"Насос\nТест", "Nasos_Test"},
        {"a\tb\r\nc\x7f", "a_b__c_"},
        {"", ""},
    };
    for (const auto& [name, expected] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(transliterateName(w(name)), expected);
    }
}

class FileNamingTest : public test::GeneratorTest {
protected:
    void SetUp() override {
        setObjects({Obj("1000h", "00h").standard("32")},
                   {{{}, w("Насос/Тест"), {}}, {{}, w("Вода?"), {}}});
        std::filesystem::create_directories(folder() / "profiles" / "out");
        std::filesystem::create_directories(folder() / "shared");
    }
};

struct NameRow {
    const char* name;
    int module;
    int configuration;
    std::string folderText;
    std::filesystem::path expected;  // relative to the temporary folder; empty for no name
};

TEST_F(FileNamingTest, FolderCopyName) {
    const std::string absolute = app::pathText(folder() / "shared");
    const NameRow rows[] = {
        {"single module, base profile", 0, 0, "out", "profiles/out/vost.c"},
        {"first module", 1, 0, "out", "profiles/out/vost1.c"},
        {"second module, configuration", 2, 1, "out", "profiles/out/vost2_Nasos_Test.c"},
        {"question mark dropped", 0, 2, "out", "profiles/out/vost_Voda.c"},
        {"backslashes, trailing separator", 0, 0, "..\\shared\\", "shared/vost.c"},
        {"slashes", 0, 0, "../shared", "shared/vost.c"},
        {"absolute folder", 1, 0, absolute, "shared/vost1.c"},
        {"no folder", 0, 0, "", ""},
        {"missing folder", 0, 0, "nowhere", ""},
        {"drive letter of another system", 0, 0, "D:\\vost", ""},
    };
    for (const NameRow& row : rows) {
        SCOPED_TRACE(row.name);
        m_profile.settings.prefix = row.module;
        m_profile.settings.VostCFolder = row.folderText;
        m_profile.setCurrent(row.configuration);
        const std::string expected = row.expected.empty() ? std::string() : app::pathText(folder() / row.expected);
        EXPECT_EQ(controllerFileName(m_profile), expected);
    }
}

}  // namespace
}  // namespace tabrin::generators
