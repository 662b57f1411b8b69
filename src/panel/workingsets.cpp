// The texts and enumerations that go into one panel file, gathered from the chosen profiles,
// the text base file and the enumeration base.
#include "panel/workingsets.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <unordered_map>

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/integertext.h"
#include "app/paths.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "panel/numberattribute.h"
#include "panel/profilenumbers.h"
#include "panel/stopmessage.h"

namespace tabrin::panel {
namespace {

using TextsByNumber = std::unordered_map<int, const bases::TextBaseElement*>;

// The first element of each number: the base file need not be in number order.
TextsByNumber indexByNumber(const bases::TextBase& texts) {
    TextsByNumber byNumber;
    for (const bases::TextBaseElement& element : texts.elements()) {
        if (const std::optional<int> number = app::toInteger(element.textid)) byNumber.emplace(*number, &element);
    }
    return byNumber;
}

void tellMissingText(int number, app::MessagePort& port, app::Translator& translator) {
    const std::string pattern = translator.translateText(
        cp1251::fromUtf8("В базе текстов отсутствует текст №%d, используемый в профиле.\n"
                         "Синхронизируйте базы с сервером и попробуйте еще раз."));
    tellGenerationStopped(port, translator, app::formatText(pattern, {std::to_string(number)}));
}

// Items are taken one per line of their joined texts, as the panels have always received them.
std::vector<std::string> itemTextsOf(const bases::SetBaseElement& set, const PanelTextChoice& choice,
                                     app::Language language) {
    std::vector<std::string> itemTexts;
    if (set.items.empty()) return itemTexts;
    const std::string joined = set.itemTextsOfKind(choice.enumerationKind, choice.useOtherText, language);
    std::size_t start = 0;
    for (std::size_t end; (end = joined.find('\n', start)) != std::string::npos; start = end + 1) {
        itemTexts.push_back(joined.substr(start, end - start));
    }
    itemTexts.push_back(joined.substr(start));
    return itemTexts;
}

std::vector<PanelEnumeration> enumerationsOf(const std::set<int>& numbers, const bases::SetBase& sets,
                                             const PanelTextChoice& choice, app::Language language) {
    std::vector<PanelEnumeration> enumerations;
    std::set<int> taken;
    for (const bases::SetBaseElement& set : sets.elements()) {
        const std::optional<int> number = app::toInteger(set.id);
        if (!number || !numbers.contains(*number) || !taken.insert(*number).second) continue;
        enumerations.push_back({*number, itemTextsOf(set, choice, language)});
    }
    return enumerations;
}

}  // namespace

int enumerationKindOfChoice(int choice) {
    constexpr int kKinds[] = {0, 1, 3, 4};
    return choice >= 0 && choice < static_cast<int>(std::size(kKinds)) ? kKinds[choice] : 0;
}

const PanelEnumeration* PanelWorkingSets::enumeration(int number) const {
    const auto found = std::find_if(enumerations.begin(), enumerations.end(),
                                    [&](const PanelEnumeration& e) { return e.number == number; });
    return found == enumerations.end() ? nullptr : &*found;
}

std::optional<PanelWorkingSets> buildWorkingSets(const std::vector<std::string>& profileFiles,
                                                 const PanelTextChoice& choice, bool withFixedSets,
                                                 const std::filesystem::path& textBaseFile,
                                                 const bases::SetBase& sets, app::Language language,
                                                 app::MessagePort& port, app::Translator& translator,
                                                 const GenerationProgress& progress) {
    const std::optional<ProfileNumbers> used =
        readProfileNumbers(profileFiles, withFixedSets, port, translator, progress);
    if (!used) return std::nullopt;
    const std::set<int> textNumbers(used->textNumbers.begin(), used->textNumbers.end());

    bases::TextBase savedTexts;
    savedTexts.load(textBaseFile, port);  // a missing file leaves every text missing
    const TextsByNumber byNumber = indexByNumber(savedTexts);
    const std::string baseFileText = app::shownPath(textBaseFile.native());

    PanelWorkingSets working;
    std::set<int> setNumbers;
    std::optional<int> firstMissing;
    for (const int number : textNumbers) {
        const auto slot = byNumber.find(number);
        if (slot == byNumber.end()) {
            if (!firstMissing) firstMissing = number;
            continue;
        }
        const bases::TextBaseElement& element = *slot->second;
        const std::optional<int> setNumber =
            readNumberAttribute(element.sets, {baseFileText, "text_" + element.id, "sets"}, port, translator);
        if (!setNumber) return std::nullopt;
        working.texts.push_back({number, bases::textOfKind(element, choice.textKind), *setNumber});
        setNumbers.insert(*setNumber);
        progress.betweenEntries();
    }
    if (firstMissing) {
        tellMissingText(*firstMissing, port, translator);
        return std::nullopt;
    }

    if (withFixedSets) {
        setNumbers.insert(std::begin(kAlwaysWrittenSets), std::end(kAlwaysWrittenSets));
        setNumbers.insert(used->groupSets.begin(), used->groupSets.end());
    }
    setNumbers.erase(0);  // no enumeration
    working.enumerations = enumerationsOf(setNumbers, sets, choice, language);
    return working;
}

}  // namespace tabrin::panel
