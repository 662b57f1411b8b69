// The texts and enumerations that go into one panel file, gathered from the chosen profiles,
// the text base file and the enumeration base.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/language.h"
#include "panel/generationprogress.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::panel {

struct PanelText {
    int number = 0;
    std::string text;   // the field of the chosen text kind
    int setNumber = 0;  // the bound enumeration, 0 for none

    bool isBound() const { return setNumber != 0; }
};

struct PanelEnumeration {
    int number = 0;
    std::vector<std::string> itemTexts;  // of the chosen kind, in item order
};

struct PanelWorkingSets {
    std::vector<PanelText> texts;                // ascending numbers, each once
    std::vector<PanelEnumeration> enumerations;  // in enumeration-base order, each number once

    /// The enumeration of that number among the working set's, or none.
    const PanelEnumeration* enumeration(int number) const;
};

/// Which texts of the bases a panel file shows.
struct PanelTextChoice {
    int textKind = 2;         // 0 long Russian, 1 long English, 2 short
    int enumerationKind = 3;  // 0 long Russian, 1 long English, 3 short Russian, 4 short English
    bool useOtherText = true;  // an item without a text of the kind shows its long text by language
};

/// The enumeration kind of a position among the enumeration choices, which is also the meaning of
/// the profile setting PUEnumsType: 0, 1, 2, 3 give 0, 1, 3, 4; any other gives 0 (long Russian).
int enumerationKindOfChoice(int choice);

/// The enumerations every panel file except type Ш carries, whether a text uses them or not.
inline constexpr int kAlwaysWrittenSets[] = {5, 6, 7, 9, 10, 13, 56};

/// What the profile files' base profiles use. The texts are read from `textBaseFile` on disk, so
/// that only saved texts reach a panel. With `withFixedSets` (every type but Ш) the enumerations
/// `kAlwaysWrittenSets` and each profile's group enumeration are taken as well. A number that
/// does not read, or a text that the base file lacks, is told through `port`: nothing.
std::optional<PanelWorkingSets> buildWorkingSets(const std::vector<std::string>& profileFiles,
                                                 const PanelTextChoice& choice, bool withFixedSets,
                                                 const std::filesystem::path& textBaseFile,
                                                 const bases::SetBase& sets, app::Language language,
                                                 app::MessagePort& port, app::Translator& translator,
                                                 const GenerationProgress& progress);

}  // namespace tabrin::panel
