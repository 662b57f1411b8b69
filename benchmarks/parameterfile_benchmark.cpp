// Reading parameter files of many records: the time must grow with the file, not with its square.
#include <benchmark/benchmark.h>

#include <string>

#include "bases/textbase.h"
#include "editing/parameterfile.h"

namespace {

using namespace tabrin;

// About 150 bytes a record, as the setup tool writes them.
std::string parameterFileBytes(int records) {
    std::string bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n";
    for (int i = 0; i < records; ++i) {
        const std::string n = std::to_string(i);
        bytes += "\t<param co_index=\"" + std::to_string(0x2000 + i / 200) + "\" co_subindex=\"" +
                 std::to_string(i % 200) + "\" format=\"18944\" abs_index=\"" + n + "\" checked=\"1\" value=\"" + n +
                 "\" text_num=\"" + std::to_string(i % 500) + "\" group_num=\"1\" info_value=\"\"/>\n";
    }
    return bytes + "</root>\n";
}

void readParameterFileOfRecords(benchmark::State& state) {
    const std::string bytes = parameterFileBytes(static_cast<int>(state.range(0)));
    const bases::TextBase texts;
    for (auto _ : state) {
        const editing::ParameterFileReading reading = editing::readParameterFile(bytes, "bench.kvpx", texts);
        if (reading.error) state.SkipWithError(reading.error->c_str());
        benchmark::DoNotOptimize(reading.file.parameters.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["MiB"] = static_cast<double>(bytes.size()) / (1 << 20);
}

}  // namespace

// 40,000 records took seconds when each record was looked up from the first; 420,000 make a file
// near the size limit of parameter files.
BENCHMARK(readParameterFileOfRecords)->Arg(40000)->Arg(420000)->Unit(benchmark::kMillisecond)->Iterations(1);
