// What one edit costs the user of the profile of 10,000 objects: the command done or undone, the
// table filled again and one screen drawn (the after-change sequence), and what the history of
// 1,000 single-object edits holds in memory.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <iostream>
#include <memory>

#include "app/consolemessageport.h"
#include "editing/objectoperations.h"
#include "editing/objectscommand.h"
#include "ui/showntable.h"

namespace {

using namespace tabrin;
using namespace tabrin::benchmarks;

constexpr double kMiB = 1024.0 * 1024.0;

// An object in the middle of the table.
model::ObjectSerial middleObject(const editing::ProfileDocument& document) {
    const auto& view = document.profile().view();
    return view[view.size() / 2]->serial;
}

std::size_t allocatedBytes() { return mallinfo2().uordblks; }

void objectCopyShown(benchmark::State& state) {
    ShownTable table;
    app::ConsoleMessagePort port(std::cerr);
    editing::ObjectOperations operations(table.document, port, translator(), app::Language::Russian);
    const model::ObjectSerial original = middleObject(table.document);
    for (auto _ : state) operations.copy(original, editing::CopyKind::SubindexIncrement);
    state.counters["rows"] = static_cast<double>(table.model.rowCount());
}

void objectCopyUndoneShown(benchmark::State& state) {
    ShownTable table;
    app::ConsoleMessagePort port(std::cerr);
    editing::ObjectOperations operations(table.document, port, translator(), app::Language::Russian);
    const model::ObjectSerial original = middleObject(table.document);
    for (auto _ : state) {
        state.PauseTiming();
        operations.copy(original, editing::CopyKind::SubindexIncrement);
        state.ResumeTiming();
        table.document.undo();
    }
}

// Gives the object at `position` of the view another default value, as editing a field does.
void editDefaultValue(editing::ProfileDocument& document, std::size_t position, int value) {
    model::DictObject edited = *document.profile().view()[position];
    edited.defaultValue = std::to_string(value);
    document.push(std::make_unique<editing::ObjectsCommand>(editing::CommandTexts{},
                                                            std::vector<model::ObjectSerial>{edited.serial},
                                                            std::vector<model::DictObject>{std::move(edited)}));
}

void historyOfThousandEdits(benchmark::State& state) {
    constexpr int kEdits = 1000;
    for (auto _ : state) {
        state.PauseTiming();
        app::EventLog log;
        editing::ProfileDocument document(translator(), app::Language::Russian, largeTextBase(), log);
        document.load(largeProfileFile());
        document.beginEditing();
        // The first change gives the configuration's objects their exact room (loading leaves the
        // vector's spare capacity), which is no cost of the history.
        editDefaultValue(document, 0, 0);
        const std::size_t before = allocatedBytes();
        state.ResumeTiming();
        for (int edit = 0; edit < kEdits; ++edit)
            editDefaultValue(document, static_cast<std::size_t>(edit * kObjectsPerIndex + 1), edit);
        state.PauseTiming();
        state.counters["history_MiB"] = (static_cast<double>(allocatedBytes()) - static_cast<double>(before)) / kMiB;
        state.ResumeTiming();
    }
}

BENCHMARK(objectCopyShown)->Unit(benchmark::kMillisecond);
BENCHMARK(objectCopyUndoneShown)->Unit(benchmark::kMillisecond);
BENCHMARK(historyOfThousandEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
