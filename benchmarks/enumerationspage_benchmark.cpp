// The enumerations page over 5,000 enumerations of ten items and a text base of 50,000 texts bound
// to them: the selector filtered as a filter is typed, an enumeration selected with its bound texts
// listed, and an item edit committed (and undone, so that each round starts from the same base).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/cp1251.h"
#include "app/translator.h"
#include "editing/enumerationspage.h"
#include "silentport.h"

namespace {

using namespace tabrin;
using benchmarks::SilentPort;

constexpr int kEnumerations = 5000;
constexpr int kItems = 10;
constexpr int kTexts = 50000;

struct LargeBases {
    LargeBases() {
        const std::string user = cp1251::fromUtf8("Иванов");
        const std::string other = cp1251::fromUtf8("Петров");
        const std::string russian = cp1251::fromUtf8("Режим работы двигателя");
        for (int number = 1; number <= kEnumerations; ++number) {
            bases::SetBaseElement set;
            set.id = std::to_string(number);
            set.author = number % 2 ? user : other;
            for (int item = 0; item < kItems; ++item) {
                const std::string suffix = " " + std::to_string(number) + "." + std::to_string(item);
                set.items.push_back({russian + suffix, "Motor operating mode" + suffix, russian.substr(0, 10), "Mode"});
            }
            set.rebuildJoinedText();
            sets.elements().push_back(std::move(set));
        }
        for (int number = 1; number <= kTexts; ++number) {
            const std::string n = std::to_string(number);
            texts.elements().push_back(
                {n, n, "", std::to_string(number % kEnumerations + 1), russian + " " + n, "Text " + n, user});
        }
    }

    bases::SetBase sets;
    bases::TextBase texts;
    app::Translator translator;
    SilentPort port;
    editing::SetBaseDocument setsDocument{sets, std::filesystem::temp_directory_path() / "tabrin-bench-SetBase.xml",
                                          translator};
    editing::TextBaseDocument textsDocument{texts, std::filesystem::temp_directory_path() / "tabrin-bench-TextBase.xml",
                                            translator};
    editing::EnumerationsPage page{setsDocument,           textsDocument, cp1251::fromUtf8("Иванов"),
                                   app::Language::Russian, translator,    port};
};

LargeBases& bases() {
    static LargeBases large;
    return large;
}

// The selector filled for the filter as it stands after each keystroke of "режим 4999": one fill
// per keystroke, with other users' enumerations shown.
void enumerationsFilterTyped(benchmark::State& state) {
    const std::string typed = cp1251::fromUtf8("режим 4999");
    const auto length = static_cast<std::size_t>(state.range(0));
    editing::EnumerationsPage& page = bases().page;
    for (auto _ : state) {
        page.fill(typed.substr(0, length), true);
        benchmark::DoNotOptimize(page.entryCount());
    }
}

void enumerationsSelectWithBoundTexts(benchmark::State& state) {
    editing::EnumerationsPage& page = bases().page;
    page.fill("", true);
    int entry = 0;
    for (auto _ : state) {
        page.select(entry);
        benchmark::DoNotOptimize(page.boundTextCount());
        entry = (entry + 997) % page.entryCount();
    }
}

void enumerationsCommitAndUndo(benchmark::State& state) {
    LargeBases& large = bases();
    large.page.fill("", false);
    large.page.select(large.page.entryCount() / 2);
    for (auto _ : state) {
        large.page.setCell(3, editing::kItemLongEnglish, "Edited text");
        large.setsDocument.undo();
    }
}

void enumerationsSizeChangeAndUndo(benchmark::State& state) {
    LargeBases& large = bases();
    large.page.fill("", false);
    large.page.select(large.page.entryCount() / 2);
    for (auto _ : state) {
        large.page.enterSize("40");
        large.setsDocument.undo();
    }
}

BENCHMARK(enumerationsFilterTyped)->DenseRange(0, 10, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(enumerationsSelectWithBoundTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(enumerationsCommitAndUndo)->Unit(benchmark::kMillisecond);
BENCHMARK(enumerationsSizeChangeAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace
