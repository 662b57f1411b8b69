// The variable table of the C file (OD_TBL3): the address of every non-root object's variable,
// with its address, names and group as a comment.
#include "generators/variabletable.h"

#include <cstdint>

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/integertext.h"
#include "bases/setbase.h"
#include "generators/canmodule.h"
#include "generators/formatword.h"
#include "generators/generationstatus.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::generators {
namespace {

constexpr std::size_t kMaskDigits = 16;

// The bits of a field in base 2, at least 16 digits, and "b".
std::string binaryMask(int startBit, int length) {
    std::uint32_t mask = ((1u << length) - 1u) << startBit;
    std::string digits;
    for (; mask != 0; mask >>= 1) digits.insert(digits.begin(), mask & 1u ? '1' : '0');
    if (digits.size() < kMaskDigits) digits.insert(0, kMaskDigits - digits.size(), '0');
    return digits + "b";
}

class VariableTableWriter {
public:
    VariableTableWriter(const model::Profile& profile, const CanModuleNames& module, const model::Services& context)
        : m_module(module),
          m_language(context.language),
          m_groups(context.sets.findSet(profile.settings.group_set)),
          m_linePattern(context.translator.tr("(long)(&%s),\t//[%s.%s], Название: %s, ТекстПУ: %s, Группа: %s")),
          m_bitsPattern(context.translator.tr(", биты с %d по %d: %s")),
          m_noGroup(context.translator.tr("НЕТ ТЕКСТА ГРУППЫ")) {}

    std::string line(const model::DictObject& object, int word) const {
        std::string text = app::formatText(m_linePattern, {moduleVariable(object.addr, m_module), object.index,
                                                           object.subindex, name(object), object.text,
                                                           groupText(object)});
        if (!isBitField(word)) return text;
        const int startBit = word & 0xF;
        const int length = (word >> 4) & 0xF;
        return text + app::formatText(m_bitsPattern, {std::to_string(startBit),
                                                      std::to_string(startBit + length - 1),
                                                      binaryMask(startBit, length)});
    }

private:
    const std::string& name(const model::DictObject& object) const {
        const bool english = m_language == app::Language::English;
        const std::string& chosen = english ? object.nameEng : object.name;
        if (!chosen.empty()) return chosen;
        return english ? object.name : object.nameEng;
    }

    std::string groupText(const model::DictObject& object) const {
        const int group = app::toInteger(object.group).value_or(0);
        if (m_groups && group >= 0 && group < static_cast<int>(m_groups->items.size())) {
            return cp1251::trim(m_groups->itemText(group, false, m_language));
        }
        return cp1251::trim(m_noGroup);
    }

    const CanModuleNames& m_module;
    app::Language m_language;
    const bases::SetBaseElement* m_groups;
    std::string m_linePattern;
    std::string m_bitsPattern;
    std::string m_noGroup;
};

}  // namespace

std::vector<std::string> variableTableLines(const model::Profile& profile, const CanModuleNames& module,
                                            const model::Services& context) {
    const VariableTableWriter writer(profile, module, context);
    std::vector<std::string> lines;
    for (const model::DictObject* object : profile.view()) {
        const int word = formatWordOf(object->format);
        if (word >= kRootFormatLimit) lines.push_back(writer.line(*object, word));
    }
    return lines;
}

}  // namespace tabrin::generators
