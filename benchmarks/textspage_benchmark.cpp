// The texts page on a base of 50,000 texts and 5,000 enumerations: the table filtered again at each
// keystroke of the filter, the duplicate check of a cell, and a committed cell edit with what the
// page shows after it (duplicate check, bound-enumeration list and items).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/cp1251.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/basedocument.h"
#include "editing/textspage.h"
#include "silentport.h"

namespace {

using namespace tabrin;
using benchmarks::SilentPort;

constexpr int kTexts = 50000;
constexpr int kEnumerations = 5000;

// Every other text is the user's; each tenth is bound to an enumeration, so that duplicates of a
// long text exist under the same binding.
struct LargeTextsPage {
    LargeTextsPage() {
        const std::string russian = cp1251::fromUtf8("Номинальная частота вращения двигателя ");
        const std::string user = cp1251::fromUtf8("Иванов");
        for (int i = 1; i <= kEnumerations; ++i) {
            bases::SetBaseElement set;
            set.id = std::to_string(i);
            set.author = i % 2 == 0 ? user : "petr";
            set.items = {bases::SetTextItem::make(cp1251::fromUtf8("Выкл"), "Off", "", ""),
                         bases::SetTextItem::make(cp1251::fromUtf8("Вкл"), "On", "", "")};
            sets.elements().push_back(std::move(set));
        }
        for (int i = 1; i <= kTexts; ++i) {
            const std::string n = std::to_string(i);
            texts.elements().push_back(
                {n, n, russian.substr(0, 20), i % 10 == 0 ? std::to_string(i % kEnumerations + 1) : "0",
                 russian + std::to_string(i % 1000), "Rated motor speed " + n, i % 2 == 0 ? user : "petr"});
        }
        page = std::make_unique<editing::TextsPage>(document, sets, user, app::Language::Russian, translator, port);
        page->fill("", true, "");
    }

    SilentPort port;
    app::Translator translator;
    bases::TextBase texts;
    bases::SetBase sets;
    editing::TextBaseDocument document{texts, "unused-TextBase.xml", translator};
    std::unique_ptr<editing::TextsPage> page;
};

LargeTextsPage& largePage() {
    static LargeTextsPage page;
    return page;
}

// The filter as it grows keystroke by keystroke: each step refills the table from the whole base.
void textsPageFilterKeystroke(benchmark::State& state) {
    LargeTextsPage& large = largePage();
    const std::string typed = cp1251::fromUtf8("частота 12");
    const auto length = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(large.page->fill(typed.substr(0, length), true, "25000"));
    state.counters["rows"] = large.page->rowCount();
    large.page->fill("", true, "");
}

void textsPageDuplicateCheck(benchmark::State& state) {
    LargeTextsPage& large = largePage();
    const int row = large.page->fill("", true, "25000");
    for (auto _ : state) benchmark::DoNotOptimize(large.page->duplicateWarning(row, editing::kTextLongRussian));
}

// A cell committed into the base as a command, then what the page shows for the edited row.
void textsPageCommit(benchmark::State& state) {
    LargeTextsPage& large = largePage();
    const int row = large.page->fill("", true, "25000");
    int edit = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            large.page->setCell(row, editing::kTextLongEnglish, "Edited " + std::to_string(++edit)));
        benchmark::DoNotOptimize(large.page->duplicateWarning(row, editing::kTextLongEnglish));
        benchmark::DoNotOptimize(large.page->bindingList(row, false));
        benchmark::DoNotOptimize(large.page->boundItems(row));
    }
}

BENCHMARK(textsPageFilterKeystroke)->Arg(0)->Arg(1)->Arg(4)->Arg(7)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(textsPageDuplicateCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(textsPageCommit)->Unit(benchmark::kMillisecond);

}  // namespace
