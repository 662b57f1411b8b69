// Look-ups in an English interface dictionary of 3,000 entries: a translated text, a text the
// dictionary records as untranslated, and a window property.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/cp1251.h"
#include "app/translator.h"

namespace {

using namespace tabrin;

constexpr int kEntries = 3000;

std::string russianText(int number) { return cp1251::fromUtf8("Номинальная частота вращения ") + std::to_string(number); }

// Half the texts have an English value; the other half were recorded by earlier runs and wait
// for a translator.
std::filesystem::path dictionaryFile() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() / "tabrin-benchmark-lang_dict.xml";
        std::ofstream out(path, std::ios::binary);
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        for (int i = 0; i < kEntries; ++i) {
            const std::string english = i % 2 == 0 ? "Rated speed " + std::to_string(i) : std::string();
            out << "<_" << app::textHash(russianText(i)) << " RUS=\"" << cp1251::toUtf8(russianText(i))
                << "\" ENG=\"" << english << "\" />\n";
        }
        out << "<Form1-PageControl1-TabSheetProfile-Caption RUS=\"Профиль\" ENG=\"Profile\" />\n";
        return path;
    }();
    return file;
}

app::Translator& englishTranslator() {
    static app::Translator translator;
    static const bool loaded = (translator.loadDictionary(dictionaryFile(), 1), true);
    (void)loaded;
    return translator;
}

// Every other text of the dictionary, by the parity of `translated`.
std::vector<std::string> texts(bool translated) {
    std::vector<std::string> chosen;
    for (int i = translated ? 0 : 1; i < kEntries; i += 2) chosen.push_back(russianText(i));
    return chosen;
}

void translateTranslatedText(benchmark::State& state) {
    const std::vector<std::string> chosen = texts(true);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(englishTranslator().translateText(chosen[next]));
        next = (next + 1) % chosen.size();
    }
}

void translateUntranslatedText(benchmark::State& state) {
    const std::vector<std::string> chosen = texts(false);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(englishTranslator().translateText(chosen[next]));
        next = (next + 1) % chosen.size();
    }
}

void translateProperty(benchmark::State& state) {
    const std::vector<std::string> chain = {"Form1", "PageControl1", "TabSheetProfile"};
    const std::string value = cp1251::fromUtf8("Профиль");
    for (auto _ : state) benchmark::DoNotOptimize(englishTranslator().translateProperty(chain, "Caption", value));
}

BENCHMARK(translateTranslatedText)->Unit(benchmark::kMicrosecond);
BENCHMARK(translateUntranslatedText)->Unit(benchmark::kMicrosecond);
BENCHMARK(translateProperty)->Unit(benchmark::kMicrosecond);

}  // namespace
