// The sentences that describe format words in the assembler file, in Russian and translated.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "generators/parameterdescription.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::generators {
namespace {

using test::w;

struct DescriptionRow {
    const char* name;
    int word;
    const char* expected;  // UTF-8
};

TEST(ParameterDescription, EveryKindOfWord) {
    const DescriptionRow rows[] = {
        {"root", 3, "Параметр является корневым в группе под-индексов."},
        {"root of 255", 255, "Параметр является корневым в группе под-индексов."},
        {"editable float", 0x7000, "Редактируемый параметр с плавающей точкой"},
        {"viewable hexadecimal bit field of 4 bits", 0x2348,
         "Наблюдаемый битовый параметр со значениями, отображаемыми в шестнадцатеричной системе счисления. "
         "Параметр содержит 4 бита, начиная с 8-ого бита."},
        {"single bit shown as text", 0x6010,
         "Редактируемый битовый параметр со значениями, отображаемыми в виде текстовых надписей. "
         "Параметр содержит 1 бит, начиная с 0-ого бита."},
        {"eight bits shown in binary", 0x6183,
         "Редактируемый битовый параметр со значениями, отображаемыми в двоичной системе счисления. "
         "Параметр содержит 8 бит, начиная с 3-ого бита."},
        {"bit field of unknown display", 0x2C21,
         "Наблюдаемый битовый параметр со значениями, отображаемыми в  Параметр содержит 2 бита, начиная с 1-ого бита."},
        {"secret signed 32-bit number", 0xCD00,
         "Секретный защищенный редактируемый числовой стандартный знаковый 32-разрядный параметр."},
        {"protected Q number", 0x9000, "Защищенный редактируемый числовой Q-типа "},
        {"no-range mark is not described", 0x4A80, "Редактируемый числовой стандартный беззнаковый 16-разрядный параметр."},
        {"unsigned byte", 0x0800, "Наблюдаемый числовой стандартный беззнаковый байт."},
        {"size code 3 has no size text", 0x4F00, "Редактируемый числовой стандартный "},
    };
    app::Translator russian;
    for (const DescriptionRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(describeParameter(row.word, russian), w(row.expected));
    }
}

TEST(ParameterDescription, PiecesPassTheTranslation) {
    test::TempFolder folder;
    const std::string key = "_" + std::to_string(app::textHash(w("Редактируемый ")));
    test::writeFile(folder.path() / "lang_dict.xml",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + key + " RUS=\"x\" ENG=\"Editable \" />\n");
    app::Translator english;
    english.loadDictionary(folder.path() / "lang_dict.xml", 1);
    EXPECT_EQ(describeParameter(0x7000, english), "Editable " + w("параметр с плавающей точкой"));
}

}  // namespace
}  // namespace tabrin::generators
