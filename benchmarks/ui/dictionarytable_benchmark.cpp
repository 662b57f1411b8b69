// The dictionary table on the screen for the profile of 10,000 objects: a fill shown by the table,
// and scrolling a screen at a time, which only reads the rows of the last fill.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include "editing/dictionarygrid.h"
#include "largeprofile.h"
#include "ui/dictionarygridview.h"
#include "ui/dictionarytablemodel.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

constexpr int kWidth = 1100;
constexpr int kHeight = 600;

// The loaded profile, its grid and the table over it, as the dictionary page holds them.
struct ShownTable {
    ShownTable()
        : profile(translator(), app::Language::Russian),
          sources{profile, groupSets(), app::Language::Russian, translator()},
          model(grid, translator()) {
        profile.load(largeProfileFile());
        view.setModel(&model);
        view.resize(kWidth, kHeight);
        view.show();
        QObject::connect(&model, &QAbstractItemModel::modelReset, [this] { ++refills; });
    }

    void fill() {
        grid.fill(sources);
        model.showFill();
        view.doItemsLayout();
        draw();
    }

    // Renders what the viewport shows, whether or not a window system put it on a screen.
    void draw() { benchmark::DoNotOptimize(view.viewport()->grab()); }

    model::Profile profile;
    editing::GridSources sources;
    editing::DictionaryGrid grid;
    ui::DictionaryTableModel model;
    ui::DictionaryGridView view;
    int refills = 0;
};

void tableFillShown(benchmark::State& state) {
    ShownTable table;
    for (auto _ : state) table.fill();
    state.counters["rows"] = static_cast<double>(table.model.rowCount());
}

void tableScrollOneScreen(benchmark::State& state) {
    ShownTable table;
    table.fill();
    const int refillsBefore = table.refills;
    QScrollBar* scroll = table.view.verticalScrollBar();
    const int screen = table.view.visibleRowCount();
    for (auto _ : state) {
        scroll->setValue(scroll->value() + screen > scroll->maximum() ? 0 : scroll->value() + screen);
        table.draw();
    }
    state.counters["rows_per_screen"] = screen;
    state.counters["refills"] = table.refills - refillsBefore;
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
