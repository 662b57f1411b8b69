// Loading and saving a profile of 10,000 objects, against pugixml and the XML layer parsing the
// same bytes.
#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include "largeprofile.h"
#include "xml/xmlparser.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

void pugixmlParseProfile(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(profileBytes().data(), profileBytes().size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * profileBytes().size()));
}

void xmlLayerParseProfile(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(xml::XMLNode::parseString(profileBytes(), "root"));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * profileBytes().size()));
}

void profileLoad(benchmark::State& state) {
    model::Profile profile(translator(), app::Language::Russian);
    for (auto _ : state) {
        benchmark::DoNotOptimize(profile.load(largeProfileFile()).code);
        benchmark::DoNotOptimize(profile.view().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * profileBytes().size()));
    state.counters["objects"] = static_cast<double>(profile.view().size());
}

void profileSave(benchmark::State& state) {
    model::Profile profile(translator(), app::Language::Russian);
    profile.load(largeProfileFile());
    const auto out = benchmarkFile("tabrin-benchmark-profile-saved.xml");
    for (auto _ : state) benchmark::DoNotOptimize(profile.save(out, groupSets()).code);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * profileBytes().size()));
}

BENCHMARK(pugixmlParseProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlLayerParseProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(profileLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(profileSave)->Unit(benchmark::kMillisecond);

}  // namespace
