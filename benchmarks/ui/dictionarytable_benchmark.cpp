// The dictionary table on the screen for the profile of 10,000 objects: a fill shown by the table,
// and scrolling a screen at a time, which only reads the rows of the last fill.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include "ui/showntable.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

void tableFillShown(benchmark::State& state) {
    ShownTable table;
    for (auto _ : state) table.fill();
    state.counters["rows"] = static_cast<double>(table.model.rowCount());
}

void tableScrollOneScreen(benchmark::State& state) {
    ShownTable table;
    int refills = 0;
    QObject::connect(&table.model, &QAbstractItemModel::modelReset, [&refills] { ++refills; });
    QScrollBar* scroll = table.view.verticalScrollBar();
    const int screen = table.view.visibleRowCount();
    for (auto _ : state) {
        scroll->setValue(scroll->value() + screen > scroll->maximum() ? 0 : scroll->value() + screen);
        table.draw();
    }
    state.counters["rows_per_screen"] = screen;
    state.counters["refills"] = refills;
}

BENCHMARK(tableFillShown)->Unit(benchmark::kMillisecond);
BENCHMARK(tableScrollOneScreen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The table is drawn off the screen unless a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
