// The translation dictionary: any bytes load without a memory fault; a dictionary that is saved
// after translating keeps its translations, and saving it again after loading gives the same file.
#include "app/cp1251.h"
#include "app/settings.h"
#include "app/translator.h"
#include "fuzzcheck.h"

namespace tabrin::fuzz {
namespace {

struct Translations {
    std::string text;
    std::string property;

    bool operator==(const Translations&) const = default;
};

// Loads the dictionary in English, asks for a text and a property (recording them when the
// dictionary has no translation) and saves it; nothing when the file was not written.
std::optional<Translations> translateAndSave(const std::filesystem::path& file) {
    app::Translator translator;
    translator.loadDictionary(file, app::progLanguageEnglish);
    Translations translations{translator.tr("Пуск двигателя"),
                              translator.translateProperty({"FormMain", "ButtonGenerate"}, "Caption",
                                                           cp1251::fromUtf8("Генерировать"))};
    if (!translator.saveDictionary()) return std::nullopt;
    return translations;
}

}  // namespace
}  // namespace tabrin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabrin;
    const std::filesystem::path file = fuzz::scratchFolder() / "lang_dict.xml";
    test::writeFile(file, fuzz::bytesOf(data, size));
    const std::optional<fuzz::Translations> first = fuzz::translateAndSave(file);
    if (!first) return 0;
    const std::string firstFile = test::readFile(file);
    fuzz::require(fuzz::translateAndSave(file) == first, "a saved dictionary gives the same translations");
    fuzz::require(test::readFile(file) == firstFile, "saving a reloaded dictionary gives the same file");
    return 0;
}
