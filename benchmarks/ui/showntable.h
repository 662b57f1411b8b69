// The profile of 10,000 objects open as a document, with its dictionary table on the screen as the
// dictionary page holds it: every change of the document fills the table and draws it again.
#pragma once

#include <benchmark/benchmark.h>

#include "app/eventlog.h"
#include "editing/dictionarygrid.h"
#include "editing/profiledocument.h"
#include "largeprofile.h"
#include "ui/dictionarygridview.h"
#include "ui/dictionarytablemodel.h"

namespace tabrin::benchmarks {

struct ShownTable {
    static constexpr int kWidth = 1100;
    static constexpr int kHeight = 600;

    ShownTable() : document(translator(), app::Language::Russian, largeTextBase(), log), model(grid, translator()) {
        document.load(largeProfileFile());
        document.beginEditing();
        view.setModel(&model);
        view.resize(kWidth, kHeight);
        view.show();
        fill();
        subscription = document.listen([this](const editing::DocumentChange&) { fill(); });
    }

    void fill() {
        grid.fill(document.profile(), services());
        model.showFill();
        view.doItemsLayout();
        draw();
    }

    // Renders what the viewport shows, whether or not a window system put it on a screen.
    void draw() { benchmark::DoNotOptimize(view.viewport()->grab()); }

    app::EventLog log;  // never opened, as in a run without a log folder
    editing::ProfileDocument document;
    editing::DictionaryGrid grid;
    ui::DictionaryTableModel model;
    ui::DictionaryGridView view;
    editing::Subscription subscription;
};

}  // namespace tabrin::benchmarks
