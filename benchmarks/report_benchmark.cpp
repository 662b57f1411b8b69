// The parameter report of a 10,000-object profile: its rows prepared, and the document written
// into the .docx package.
#include <benchmark/benchmark.h>

#include "largeprofile.h"
#include "report/reportcontent.h"
#include "report/reportrun.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

constexpr int kObjects = kIndexes * kObjectsPerIndex;

report::ReportContent reportContent(const model::Profile& profile) {
    return report::prepareReport(profile, largeTextBase(), groupSets(), {}, app::Language::Russian, translator());
}

void reportPrepare(benchmark::State& state) {
    const LoadedProfile loaded;
    for (auto _ : state) benchmark::DoNotOptimize(reportContent(loaded.profile).tables.data());
    state.SetItemsProcessed(state.iterations() * kObjects);
}

void reportWrite(benchmark::State& state) {
    const LoadedProfile loaded;
    const report::ReportContent content = reportContent(loaded.profile);
    if (content.rowCount() == 0) state.SkipWithError("no rows");
    const auto file = benchmarkFile("tabrin-benchmark-report.docx");
    for (auto _ : state) {
        if (report::writeReport(content, file, {}, {}) != report::ReportStatus::Written) {
            state.SkipWithError("not written");
        }
    }
    state.SetItemsProcessed(state.iterations() * content.rowCount());
}

BENCHMARK(reportPrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(reportWrite)->Unit(benchmark::kMillisecond);

}  // namespace
