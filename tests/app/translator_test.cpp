// Interface translation: the key hash, property keys, and the dictionary file read and written.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <sys/stat.h>

#include <ostream>

#include "app/translator.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::app {
namespace {

using test::w;

constexpr int kRussian = 0;
constexpr int kEnglish = 1;

// One entry of a dictionary file; texts are UTF-8 as the file holds them.
struct Entry {
    std::string key;
    std::string rus;
    std::string eng;

    bool operator==(const Entry&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Entry& entry) {
        return out << entry.key << " RUS=\"" << entry.rus << "\" ENG=\"" << entry.eng << '"';
    }
};

std::string textKey(std::string_view text) { return "_" + std::to_string(textHash(text)); }
std::string textKey(std::u16string_view text) { return "_" + std::to_string(textHash(text)); }

std::string dictionaryText(const std::vector<Entry>& entries) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    for (const Entry& entry : entries) {
        text += "<" + entry.key + " RUS=\"" + entry.rus + "\" ENG=\"" + entry.eng + "\" />\n";
    }
    return text;
}

std::vector<Entry> entriesOf(const std::filesystem::path& path) {
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_file(path.c_str());
    EXPECT_TRUE(result || result.status == pugi::status_no_document_element) << result.description();
    std::vector<Entry> entries;
    for (const pugi::xml_node node : document.children()) {
        entries.push_back({node.name(), node.attribute("RUS").value(), node.attribute("ENG").value()});
    }
    return entries;
}

std::string utf16LittleEndianWithBom(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(TextHash, KnownValues) {
    struct Row {
        const char* name;
        std::string bytes;
        std::u16string units;
        std::uint32_t expectedBytes;
        std::uint32_t expectedUnits;
    };
    const Row rows[] = {
        {"abc gives the same hash in both forms", "abc", u"abc", 1918063320u, 1918063320u},
        {"empty text", "", u"", 0u, 0u},
        {"bytes are signed, units unsigned", "\xC0", u"\u00C0", 0xFFFFFFC0u, 0xC0u},
        {"the last unit comes first", "ab", u"ab", 'b' * (63689u * 378551u) + 'a', 'b' * (63689u * 378551u) + 'a'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(textHash(row.bytes), row.expectedBytes);
        EXPECT_EQ(textHash(row.units), row.expectedUnits);
    }
}

TEST(PropertyKey, JoinsTheNamedContainersOutermostFirst) {
    struct Row {
        const char* name;
        std::vector<std::string> chain;
        std::string property;
        std::string expected;
    };
    const Row rows[] = {
        {"button caption", {"FormOptions", "ButtonOK"}, "Caption", "FormOptions-ButtonOK-Caption"},
        {"menu item", {"Form1", "N_Open"}, "Caption", "Form1-N_Open-Caption"},
        {"unnamed containers are skipped",
         {"Form1", "", "PageControl1", "TabSheetProfile", "", "PageControl2", "TabSheet5", "RadioGroupProc"},
         itemPropertyName(1),
         "Form1-PageControl1-TabSheetProfile-PageControl2-TabSheet5-RadioGroupProc-Items-Strings_1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(propertyKey(row.chain, row.property), row.expected);
    }
}

class TranslatorTest : public ::testing::Test {
protected:
    std::filesystem::path dictionaryPath() const { return folder.path() / "lang_dict.xml"; }

    test::TempFolder folder;
};

TEST_F(TranslatorTest, RussianModeTranslatesNothingAndRecordsNothingButStillSaves) {
    const std::vector<Entry> entries = {
        {textKey(w("Пуск")), "Пуск", "Start"},
        {textKey(u"Пуск"), "Пуск", "Start"},
        {"FormOptions-ButtonOK-Caption", "ОК", "OK"},
    };
    test::writeFile(dictionaryPath(), dictionaryText(entries));
    Translator translator;
    translator.loadDictionary(dictionaryPath(), kRussian);

    EXPECT_EQ(translator.translateText(w("Пуск")), w("Пуск"));
    EXPECT_EQ(translator.translateWideText(u"Пуск"), u"Пуск");
    EXPECT_EQ(translator.translateProperty({"FormOptions", "ButtonOK"}, "Caption", w("ОК")), w("ОК"));
    EXPECT_EQ(translator.translateText(w("Новый текст")), w("Новый текст"));

    ASSERT_TRUE(translator.saveDictionary());
    EXPECT_EQ(entriesOf(dictionaryPath()), entries);
}

TEST_F(TranslatorTest, FirstEnglishRunRecordsEveryTextOnceWithEmptyEnglish) {
    Translator translator;
    translator.loadDictionary(dictionaryPath(), kEnglish);

    EXPECT_EQ(translator.translateProperty({"FormOptions", "ButtonCancel"}, "Caption", w("Отмена")), w("Отмена"));
    EXPECT_EQ(translator.translateText(w("Пуск")), w("Пуск"));
    EXPECT_EQ(translator.translateText(w("Пуск")), w("Пуск"));
    EXPECT_EQ(translator.translateWideText(u"Ошибка записи файла"), u"Ошибка записи файла");
    EXPECT_EQ(translator.translateText("abc"), "abc");

    ASSERT_TRUE(translator.saveDictionary());
    const std::vector<Entry> expected = {
        {"FormOptions-ButtonCancel-Caption", "Отмена", ""},
        {textKey(w("Пуск")), "Пуск", ""},
        {textKey(u"Ошибка записи файла"), "Ошибка записи файла", ""},
        {"_1918063320", "abc", ""},
    };
    EXPECT_EQ(entriesOf(dictionaryPath()), expected);
    EXPECT_TRUE(test::readFile(dictionaryPath()).starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
}

TEST_F(TranslatorTest, FilledEnglishTranslatesAndEmptyEnglishKeepsTheText) {
    test::writeFile(dictionaryPath(), dictionaryText({
                                          {textKey(w("Пуск")), "Пуск", "Start"},
                                          {textKey(u"Нет связи"), "Нет связи", "No link ≥ 5 s 😀"},
                                          {"FormOptions-ButtonOK-Caption", "ОК", "OK"},
                                          {textKey(w("Стоп")), "Стоп", ""},
                                          {"FormOptions-ButtonCancel-Caption", "Отменить", ""},
                                      }));
    Translator translator;
    translator.loadDictionary(dictionaryPath(), kEnglish);

    EXPECT_EQ(translator.translateText(w("Пуск")), "Start");
    EXPECT_EQ(translator.translateWideText(u"Нет связи"), u"No link ≥ 5 s 😀");
    EXPECT_EQ(translator.translateProperty({"FormOptions", "ButtonOK"}, "Caption", w("ОК")), "OK");
    EXPECT_EQ(translator.translateText(w("Стоп")), w("Стоп"));
    EXPECT_EQ(translator.translateProperty({"FormOptions", "ButtonCancel"}, "Caption", w("Отмена")), w("Отмена"));
    // The 8-bit form of a text has another key than its wide form.
    EXPECT_EQ(translator.translateText(w("Нет связи")), w("Нет связи"));

    ASSERT_TRUE(translator.saveDictionary());
    const std::vector<Entry> expected = {
        {textKey(w("Пуск")), "Пуск", "Start"},
        {textKey(u"Нет связи"), "Нет связи", "No link ≥ 5 s 😀"},
        {"FormOptions-ButtonOK-Caption", "ОК", "OK"},
        {textKey(w("Стоп")), "Стоп", ""},
        {"FormOptions-ButtonCancel-Caption", "Отмена", ""},
        {textKey(w("Нет связи")), "Нет связи", ""},
    };
    EXPECT_EQ(entriesOf(dictionaryPath()), expected);
}

TEST_F(TranslatorTest, ComboBoxItemsGetOneKeyEachBelowTheComboBox) {
    Translator translator;
    translator.loadDictionary(dictionaryPath(), kEnglish);
    const std::vector<std::string> comboBox = {"FormOptions", "GroupBoxView", "ComboBoxLanguage"};
    const std::vector<std::string> items = {"Русский", "Английский", "Системный"};

    translator.translateProperty(comboBox, "Text", w(items[0]));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(translator.translateProperty(comboBox, itemPropertyName(static_cast<int>(i)), w(items[i])), w(items[i]));
    }

    ASSERT_TRUE(translator.saveDictionary());
    const std::vector<Entry> expected = {
        {"FormOptions-GroupBoxView-ComboBoxLanguage-Text", "Русский", ""},
        {"FormOptions-GroupBoxView-ComboBoxLanguage-Items-Strings_0", "Русский", ""},
        {"FormOptions-GroupBoxView-ComboBoxLanguage-Items-Strings_1", "Английский", ""},
        {"FormOptions-GroupBoxView-ComboBoxLanguage-Items-Strings_2", "Системный", ""},
    };
    EXPECT_EQ(entriesOf(dictionaryPath()), expected);
}

TEST_F(TranslatorTest, EmptyValuesAndKeysThatAreNoXmlNamesAreNotRecorded) {
    Translator translator;
    translator.loadDictionary(dictionaryPath(), kEnglish);

    EXPECT_EQ(translator.translateText(""), "");
    EXPECT_EQ(translator.translateWideText(u""), u"");
    EXPECT_EQ(translator.translateProperty({"FormOptions", "EditPath"}, "Hint", ""), "");
    EXPECT_EQ(translator.translateProperty({"FormOptions", "Button Start"}, "Caption", w("Пуск")), w("Пуск"));
    EXPECT_EQ(translator.translateProperty({"1Form"}, "Caption", w("Пуск")), w("Пуск"));

    ASSERT_TRUE(translator.saveDictionary());
    EXPECT_TRUE(entriesOf(dictionaryPath()).empty());
}

TEST_F(TranslatorTest, EveryLanguageButRussianTranslates) {
    test::writeFile(dictionaryPath(), dictionaryText({{textKey(w("Пуск")), "Пуск", "Start"}}));
    struct Row {
        int language;
        std::string expected;
    };
    const Row rows[] = {{0, w("Пуск")}, {1, "Start"}, {2, "Start"}, {-1, "Start"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.language);
        Translator translator;
        translator.loadDictionary(dictionaryPath(), row.language);
        EXPECT_EQ(translator.translateText(w("Пуск")), row.expected);
    }
}

TEST_F(TranslatorTest, FilesWithoutEntriesAreEmptyAndMalformedFilesAreNeverOverwritten) {
    const std::string startKey = textKey(w("Пуск"));
    struct Row {
        const char* name;
        std::string content;
        bool written;
    };
    const Row rows[] = {
        {"empty file", "", true},
        {"declaration only", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", true},
        {"unclosed element after a good entry",
         dictionaryText({{startKey, "Пуск", "Start"}}) + "<Broken RUS=\"x\" ENG=\"y\">\n", false},
        {"unquoted attributes", "<" + startKey + " RUS=Пуск ENG=Start />\n", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(dictionaryPath(), row.content);
        Translator translator;
        translator.loadDictionary(dictionaryPath(), kEnglish);

        EXPECT_EQ(translator.translateText(w("Пуск")), w("Пуск"));
        EXPECT_EQ(translator.saveDictionary(), row.written);
        if (row.written) {
            EXPECT_EQ(entriesOf(dictionaryPath()), (std::vector<Entry>{{startKey, "Пуск", ""}}));
        } else {
            EXPECT_EQ(test::readFile(dictionaryPath()), row.content);
        }
    }
}

TEST_F(TranslatorTest, SavingWritesOneUtf8DeclarationWhateverTheFileHad) {
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const std::string entry = "<!-- checked by the translator -->\n<FormMain-Caption RUS=\"Главное окно\" ENG=\"Main\" />\n";
    struct Row {
        const char* name;
        std::string content;
    };
    const Row rows[] = {
        {"no declaration", entry},
        {"declaration without encoding", "<?xml version=\"1.0\"?>\n" + entry},
        {"declaration whose value holds its end, closed like an element",
         "<?xml version=\"1.0\" encoding=\"x?>\" standalone=\"yes\" />\n" + entry},
        {"UTF-16 file", utf16LittleEndianWithBom(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                                 u"<!-- checked by the translator -->\n"
                                                 u"<FormMain-Caption RUS=\"Главное окно\" ENG=\"Main\" />\n")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(dictionaryPath(), row.content);
        Translator translator;
        translator.loadDictionary(dictionaryPath(), kRussian);
        ASSERT_TRUE(translator.saveDictionary());
        EXPECT_EQ(test::readFile(dictionaryPath()), declaration + entry);
    }
}

TEST_F(TranslatorTest, SavingASavedDictionaryGivesTheSameFile) {
    struct Row { const char* name; std::string content; };
    const Row rows[] = {
        {"null character", "<_>&#0;</_>"},
        {"line feed", "<_>&#10;</_>"},
        {"blanks of every kind", "<_ RUS=\"x\" ENG=\"\">&#13;&#9; &#10;</_>"},
        {"line feed before a text", "<_>&#10;a</_>"},
        {"text cut by a null character", "<_>a&#0;b</_>"},
        {"blank text inside a nested element", "<a><b>&#10;</b></a>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::writeFile(dictionaryPath(), row.content);
        std::string saved[2];
        for (std::string& text : saved) {
            Translator translator;
            translator.loadDictionary(dictionaryPath(), kEnglish);
            ASSERT_TRUE(translator.saveDictionary());
            text = test::readFile(dictionaryPath());
        }
        EXPECT_EQ(saved[1], saved[0]);
    }
}

TEST_F(TranslatorTest, NothingIsWrittenWithoutADictionaryPathOrWhereTheFolderIsMissing) {
    Translator unloaded;
    EXPECT_FALSE(unloaded.saveDictionary());

    const std::filesystem::path inMissingFolder = folder.path() / "missing" / "lang_dict.xml";
    Translator translator;
    translator.loadDictionary(inMissingFolder, kEnglish);
    translator.translateText(w("Пуск"));
    EXPECT_FALSE(translator.saveDictionary());
    EXPECT_FALSE(std::filesystem::exists(inMissingFolder));
}

TEST_F(TranslatorTest, ADictionaryThatIsNoRegularFileIsNeitherReadNorWritten) {
    const auto pipe = folder.path() / "pipe.xml";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto zero = folder.path() / "zero.xml";
    std::filesystem::create_symlink("/dev/zero", zero);
    for (const auto& path : {pipe, zero}) {
        SCOPED_TRACE(path.filename().string());
        Translator translator;
        translator.loadDictionary(path, kEnglish);  // at once, without filling the memory
        EXPECT_EQ(translator.translateText(w("Пуск")), w("Пуск"));
        EXPECT_FALSE(translator.saveDictionary());
    }
    struct stat info {};
    ASSERT_EQ(::stat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
}  // namespace tabrin::app
