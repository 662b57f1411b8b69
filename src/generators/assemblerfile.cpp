// The assembler form of the controller file for the TMS320x24xx processors (vost.asm).
#include "generators/assemblerfile.h"

#include <algorithm>
#include <cstdio>

#include "app/formattext.h"
#include "app/paths.h"
#include "generators/canmodule.h"
#include "generators/dictionarynames.h"
#include "generators/formatword.h"
#include "generators/generationstatus.h"
#include "generators/generationsteps.h"
#include "generators/grouptable.h"
#include "generators/memorylayout.h"
#include "generators/parameterdescription.h"
#include "generators/valuetext.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::generators {
namespace {

const std::string kSeparator(62, '*');
constexpr int kLastWrittenRange = 5;
// The assembler declares a range's parts in this order and defines them in memory order.
constexpr std::string_view kDeclarationOrder[] = {"rw", "rwp", "rwps", "rwCRC", "rwpCRC", "rwpsCRC"};

// 0x1000 gives "01000h".
std::string hex5(std::uint32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, "%05Xh", number);
    return text;
}

class AssemblerFileWriter {
public:
    AssemblerFileWriter(const model::Profile& profile, const model::Services& context)
        : m_profile(profile), m_context(context), m_view(profile.view()), m_names(canModuleNames(0)) {}

    std::vector<std::string> write() {
        writeHeader();
        writeSearchTable();
        writeRecords();
        writeMemoryLayout();
        writeCallbackTable();
        writeGroupTable();
        return std::move(m_lines);
    }

private:
    void add(std::string line) { m_lines.push_back(std::move(line)); }
    std::string tr(std::string_view utf8) const { return m_context.translator.tr(utf8); }

    void writeHeader() {
        add(kSeparator);
        add("* CAN-Open Object Dictionary Declaration File ______________ *");
        add(tr("* Файл определения объектного словаря CAN-Open _____________ *"));
        add(kSeparator);
        add(tr("; Создано на основе профиля ") + app::shownPath(m_profile.path));
        add(tr("; Конфигурация: ") + currentConfigurationName(m_profile));
        add(tr("; для микроконроллеров TMS320x24xx"));
        add(kSeparator);
        add(tr(";Дата создания: ") + creationTimeText());
        add(kSeparator);
        add(tr(";Пользователь: ") + m_context.user);
        add(kSeparator);
        add(tr("; Здесь можно поместить ссылки на внешние символы:"));
        add(std::string(m_profile.settings.Vost_inc ? ";" : "") + "    .include vost.inc");
        add(kSeparator);
        const std::string count = std::to_string(indexCount(m_view));
        add(app::formatText(tr("; всего %d индексов в словаре"), {count}));
        add("    .def co_numOfInd");
        add("co_numOfInd    .set " + count);
    }

    void addRangeLabels(std::uint32_t fromRange, std::uint32_t toRange) {
        for (std::uint32_t range = fromRange; range <= toRange; ++range) {
            const std::string label = firstIndexName(m_names, static_cast<int>(range));
            add("    .def " + label);
            add(label + ":");
        }
    }

    void writeSearchTable() {
        add(tr("; Сначала определяется первая таблица для поиска"));
        add(tr("; элементов словаря"));
        add("    .sect \"ODTBL1\"");
        add("    .def    co_firstODTbl");
        add("co_firstODTbl:");
        std::uint32_t previous = 0;
        for (const model::DictObject* object : m_view) {
            if (object->subindex != "00h") continue;
            const std::uint32_t index = model::hexTextToNumber(object->index);
            addRangeLabels((previous >> 12) + 1, index >> 12);
            add("    .word " + hex5(index) + tr("; индекс"));
            add("    .word _co_data" + hex5(index) + tr("; адрес переменной"));
            previous = index;
        }
        if (previous < 0x5000) addRangeLabels((previous >> 12) + 1, kLastWrittenRange);
        add("    .def co_firstEnd");
        add("co_firstEnd:");
        add("");
        add(kSeparator);
    }

    void writeRecords() {
        add(tr("; Определение второй таблицы с информацией по элементам"));
        add("    .sect \"ODTBL2\"");
        add("    .def    co_secondODTbl");
        add("co_secondODTbl:");
        for (std::size_t i = 0; i < m_view.size(); ++i) {
            const model::DictObject& object = *m_view[i];
            if (object.subindex != "00h") continue;
            add("_co_data" + hex5(model::hexTextToNumber(object.index)) + tr(": ;индекс"));
            const int word = formatWordOf(object.format);
            if (word < kRootFormatLimit) writeRoot(object, word, i);
            else writeEntry(object, 0);
        }
        add("");
        add(kSeparator);
    }

    void writeRoot(const model::DictObject& root, int word, std::size_t position) {
        std::size_t end = position + 1;
        while (end < m_view.size() && m_view[end]->index == root.index) ++end;
        const std::size_t members = end - position - 1;
        int groupClass = 0;
        for (std::size_t i = position + 1; i < end; ++i) {
            groupClass = std::max(groupClass, valueClass(storedValueTexts(*m_view[i]).formatWord));
        }
        add("    .word " + std::to_string(members) + "    ; " + describeParameter(word, m_context.translator));
        add(app::formatText(tr("    .word %s    ; ТекстПУ=%s, Название=%s, EngText=%s"),
                            {root.textID, root.text, root.name, root.nameEng}));
        add("    .word " + std::to_string(groupClass) + "    ; Size");
        add("    ; " + std::to_string(members) + tr(" под-индексов"));
        for (std::size_t i = position + 1; i < end; ++i) writeEntry(*m_view[i], groupClass);
    }

    // The record of a simple object or of a member, padded with dummy words to `groupClass`.
    void writeEntry(const model::DictObject& object, int groupClass) {
        const int word = prepareValueText(object).formatWord;
        add("    .word " + std::to_string(word) + "    ; " + describeParameter(word, m_context.translator));
        add("    .word " + object.textID + "    ; " + object.text);
        add("    .ref " + object.addr);
        add("    .word " + object.addr);
        const int recordClass = valueClass(word);
        if (word >= kEditableAccess) {
            m_counters.add(model::hexTextToNumber(object.index), word, OutputForm::Assembler);
            writeValueLines(storedValueTexts(object), word, recordClass);
        }
        for (int padded = recordClass; padded < groupClass; ++padded) add("    .word 0000h ; dummy");
    }

    void writeValueLines(ValueTexts values, int word, int recordClass) {
        const auto valueLine = [&](const std::string& value, std::string_view comment) {
            add("    .word " + value + "    ; " + std::string(comment));
        };
        const auto highLine = [&](const std::string& value, std::string_view comment) {
            add("    .word " + value + "/65536    ; " + std::string(comment));
        };
        if (recordClass == 4 || recordClass == 7) {
            if (values.min.empty()) values.min = "0";
            if (values.max.empty()) values.max = "0";
        }
        switch (recordClass) {
        case 2:
            if (values.max.empty()) values.max = "0";
            valueLine(isBitField(word) ? values.defaultValue + "+256*" + values.max : values.defaultValue, "Default");
            break;
        case 3:
            valueLine(values.defaultValue, "Default");
            highLine(values.defaultValue, "Default High");
            break;
        case 4:
            valueLine(values.defaultValue, "Default");
            valueLine(values.min, "Min");
            valueLine(values.max, "Max");
            break;
        case 7:
            valueLine(values.defaultValue, "Default");
            highLine(values.defaultValue, "Default High");
            valueLine(values.min, "Min");
            highLine(values.min, "Min High");
            valueLine(values.max, "Max");
            highLine(values.max, "Max High");
            break;
        default: break;
        }
    }

    void writeMemoryLayout() {
        int range = kFirstRange;
        for (const auto& parts : memoryLayout(m_counters, kLastWrittenRange)) {
            for (const std::string_view part : kDeclarationOrder) add("    .def " + spiRangeName(m_names, range, part));
            for (const LayoutPart& part : parts) {
                add(spiRangeName(m_names, range, part.suffix) + "    .set    " + std::to_string(part.offset));
            }
            ++range;
        }
        add("");
        add(kSeparator);
    }

    void writeCallbackTable() {
        add("    .def co_callBackTable");
        add("co_callBackTable:");
        const std::string undefined = tr("    .word 0 ; CallBack-функция для объекта %s не определена");
        const std::string defined = tr(" ; CallBack-функция для объекта ");
        for (const model::DictObject* object : m_view) {
            if (object->subindex != "00h") continue;
            if (object->callback.empty()) {
                add(app::formatText(undefined, {object->index}));
            } else {
                add("    .ref " + object->callback);
                add("    .word " + object->callback + defined + object->index);
            }
        }
        add("");
        add(kSeparator);
    }

    void writeGroupTable() {
        add("    .def co_typeDefTable");
        add("co_typeDefTable:");
        for (const model::DictObject* object : m_view) {
            if (object->subindex == "00h") add("    .word    " + std::to_string(groupTableNumber(*object)));
        }
    }

    const model::Profile& m_profile;
    const model::Services& m_context;
    const std::vector<model::DictObject*>& m_view;
    const CanModuleNames& m_names;  // the assembler file always names its symbols "co"
    StorageCounters m_counters;
    std::vector<std::string> m_lines;
};

}  // namespace

std::vector<std::string> assemblerFileLines(const model::Profile& profile, const model::Services& context) {
    return AssemblerFileWriter(profile, context).write();
}

}  // namespace tabrin::generators
