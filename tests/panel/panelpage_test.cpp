// The control-panel page as data: the kind choices of the profile-selection dialog by interface
// language and what the result box shows after a generation.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "panel/panelpage.h"
#include "support/utf8.h"

namespace tabrin::panel {
namespace {

using test::w;

TEST(PanelPage, KindChoicesByInterfaceLanguage) {
    app::Translator translator;
    struct Row {
        const char* name;
        KindChoice choice;
        std::vector<std::string> items;
        std::vector<int> kinds;
        int defaultKind;
    };
    const Row rows[] = {
        {"Russian texts", textKindChoice(app::Language::Russian, translator),
         {w("Длинные русские"), w("Длинные английские"), w("Короткие")}, {0, 1, 2}, 2},
        {"Russian enumerations", enumerationKindChoice(app::Language::Russian, translator),
         {w("Длинные русские"), w("Длинные английские"), w("Короткие русские"), w("Короткие английские")},
         {0, 1, 3, 4}, 3},
        {"English texts", textKindChoice(app::Language::English, translator), {"Long", "Short"}, {1, 2}, 2},
        {"English enumerations", enumerationKindChoice(app::Language::English, translator), {"Long", "Short"},
         {1, 4}, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.choice.items, row.items);
        EXPECT_EQ(row.choice.kinds, row.kinds);
        EXPECT_EQ(row.choice.kinds.at(static_cast<std::size_t>(row.choice.defaultPosition)), row.defaultKind);
    }
}

TEST(PanelPage, ResultBoxAfterAGeneration) {
    app::Translator translator;
    struct Row { const char* name; GenerationResult result; std::optional<std::string> shown; };
    const Row rows[] = {
        {"generated", {GenerationStatus::Generated, "lines\r\n"}, "lines\r\n"},
        {"made but not written", {GenerationStatus::NotWritten, "lines\r\n"}, "lines\r\n"},
        {"no profile chosen", {GenerationStatus::NoProfiles, {}}, w("Профиль не выбран")},
        {"stopped: the wait text stays", {GenerationStatus::Stopped, {}}, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(resultBoxText(row.result, translator), row.shown);
    }
    EXPECT_EQ(generationWaitText(translator), w("Генерация файла, ждите..."));
}

}  // namespace
}  // namespace tabrin::panel
