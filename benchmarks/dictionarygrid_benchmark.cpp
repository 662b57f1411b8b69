// Filling the dictionary grid from the profile of 10,000 objects, to set against loading it: the
// base profile's view, a configuration's view and a filtered view.
#include <benchmark/benchmark.h>

#include <functional>

#include "editing/dictionarygrid.h"
#include "largeprofile.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

// A configuration of its own copies of the first sub-object of every index, so that a tenth of the
// rows override base objects and every row of the configuration is looked up among them.
void addOverridingConfiguration(model::Profile& profile) {
    model::SubProfile& variant = profile.configurations.emplace_back();
    variant.name = "variant";
    const std::vector<model::DictObject>& base = profile.configurations.front().objects;
    for (std::size_t i = 1; i < base.size(); i += kObjectsPerIndex) variant.objects.push_back(base[i]);
}

void fillGrid(benchmark::State& state, const std::function<void(model::Profile&, editing::DictionaryGrid&)>& setUp) {
    model::Profile profile(translator(), app::Language::Russian);
    profile.load(largeProfileFile());
    editing::DictionaryGrid grid;
    setUp(profile, grid);
    const model::Services shared = services();
    for (auto _ : state) {
        grid.fill(profile, shared);
        benchmark::DoNotOptimize(grid.rows().data());
    }
    state.counters["rows"] = static_cast<double>(grid.rows().size());
}

void gridFillBaseProfile(benchmark::State& state) {
    fillGrid(state, [](model::Profile&, editing::DictionaryGrid&) {});
}

void gridFillConfiguration(benchmark::State& state) {
    fillGrid(state, [](model::Profile& profile, editing::DictionaryGrid&) {
        addOverridingConfiguration(profile);
        profile.setCurrent(1);
    });
}

void gridFillRangeFiltered(benchmark::State& state) {
    fillGrid(state, [](model::Profile&, editing::DictionaryGrid& grid) {
        grid.filters.rangeOn = true;
        grid.filters.rangeBegin = "3100";
        grid.filters.rangeEnd = "31FF";
    });
}

BENCHMARK(gridFillBaseProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(gridFillConfiguration)->Unit(benchmark::kMillisecond);
BENCHMARK(gridFillRangeFiltered)->Unit(benchmark::kMillisecond);

}  // namespace
