// Generating the controller file and the EDS file of a 10,000-object profile (its loading is measured
// with the profile's other benchmarks).
#include <benchmark/benchmark.h>

#include "generators/controllerfile.h"
#include "generators/edsfile.h"
#include "largeprofile.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

constexpr int kObjects = kIndexes * kObjectsPerIndex;

void controllerFileGenerate(benchmark::State& state) {
    LoadedProfile loaded;
    for (auto _ : state) {
        const generators::ControllerFile file = generators::generateControllerFile(loaded.profile, services());
        if (file.status != generators::GenerationStatus::Generated) state.SkipWithError("not generated");
        benchmark::DoNotOptimize(file.text.data());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}

void edsFileGenerate(benchmark::State& state) {
    LoadedProfile loaded;
    for (auto _ : state) {
        const generators::EdsFile file =
            generators::generateEdsFile(loaded.profile, services(), loaded.profile.header_text);
        if (file.status != generators::GenerationStatus::Generated) state.SkipWithError("not generated");
        benchmark::DoNotOptimize(file.text.data());
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}

BENCHMARK(controllerFileGenerate)->Unit(benchmark::kMillisecond);
BENCHMARK(edsFileGenerate)->Unit(benchmark::kMillisecond);

}  // namespace
