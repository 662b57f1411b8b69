// What a panel file takes from the chosen profile files: the text numbers of their base
// profiles and their group enumerations, read straight from the files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "panel/generationprogress.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::panel {

struct ProfileNumbers {
    std::vector<int> textNumbers;  // in file order, repeats kept
    std::vector<int> groupSets;    // one per file, when they were asked for
};

/// Reads the files (path texts, app/paths.h) in order. A file that cannot be parsed is told
/// through `port` and gives no text numbers, and no group enumeration either, which then does not
/// read. A number that does not read is told through `port` and stops the reading: nothing.
std::optional<ProfileNumbers> readProfileNumbers(const std::vector<std::string>& files, bool withGroupSets,
                                                 app::MessagePort& port, app::Translator& translator,
                                                 const GenerationProgress& progress);

}  // namespace tabrin::panel
