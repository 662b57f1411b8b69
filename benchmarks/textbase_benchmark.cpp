// Loading and saving a text base of 50,000 texts, against pugixml parsing the same bytes, and
// sorting them in the text picker.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/cp1251.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/textpicker.h"
#include "xml/xmlparser.h"
#include "silentport.h"

namespace {

using namespace tabrin;
using benchmarks::SilentPort;

constexpr int kTexts = 50000;

std::string largeBaseBytes() {
    const std::string russian = cp1251::fromUtf8("Номинальная частота вращения двигателя");
    std::string bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<Texts>\n";
    for (int i = 1; i <= kTexts; ++i) {
        const std::string n = std::to_string(i);
        bytes += "\t\t<text_" + n + " id=\"" + n + "\" textid=\"" + n + "\" text=\"" + russian.substr(0, 20) +
                 "\" sets=\"0\" trus=\"" + russian + " " + n + "\" teng=\"Rated motor speed &amp; more " + n +
                 "\" author=\"" + cp1251::fromUtf8("Иванов") + "\"/>\n";
    }
    return bytes + "\t</Texts>\n</root>\n";
}

const std::string& baseBytes() {
    static const std::string bytes = largeBaseBytes();
    return bytes;
}

std::filesystem::path baseFile() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() / "tabrin-benchmark-TextBase.xml";
        std::ofstream(path, std::ios::binary) << baseBytes();
        return path;
    }();
    return file;
}

void pugixmlParse(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(baseBytes().data(), baseBytes().size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * baseBytes().size()));
}

void xmlLayerParse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(xml::XMLNode::parseString(baseBytes(), "root"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * baseBytes().size()));
}

void textBaseLoad(benchmark::State& state) {
    SilentPort port;
    for (auto _ : state) {
        bases::TextBase base;
        base.load(baseFile(), port);
        benchmark::DoNotOptimize(base.elements().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * baseBytes().size()));
}

void textBaseSave(benchmark::State& state) {
    SilentPort port;
    bases::TextBase base;
    base.load(baseFile(), port);
    const auto out = std::filesystem::temp_directory_path() / "tabrin-benchmark-saved.xml";
    for (auto _ : state) benchmark::DoNotOptimize(base.save(out).code);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * baseBytes().size()));
}

// The text picker sorts the whole base by each of its keys; the list is filled again (untimed)
// before each sort, in base order.
void textPickerSort(benchmark::State& state) {
    SilentPort port;
    bases::TextBase base;
    base.load(baseFile(), port);
    const bases::SetBase sets;
    app::Translator translator;
    editing::TextPicker picker(base, sets, "", app::Language::Russian, translator, 1);
    const auto key = static_cast<editing::TextSortKey>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        picker.fill({}, false, false);
        state.ResumeTiming();
        picker.sort(key);
        benchmark::DoNotOptimize(picker.rows().data());
    }
}

BENCHMARK(pugixmlParse)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlLayerParse)->Unit(benchmark::kMillisecond);
BENCHMARK(textBaseLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(textBaseSave)->Unit(benchmark::kMillisecond);
BENCHMARK(textPickerSort)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
