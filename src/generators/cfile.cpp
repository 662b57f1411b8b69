// The lines of the C form of the controller file (vost.c), section by section.
#include "generators/cfile.h"

#include <cstdint>
#include <cstdio>

#include "app/formattext.h"
#include "app/paths.h"
#include "app/version.h"
#include "generators/callbacktable.h"
#include "generators/canmodule.h"
#include "generators/dictionarynames.h"
#include "generators/formattable.h"
#include "generators/generationstatus.h"
#include "generators/generationsteps.h"
#include "generators/grouptable.h"
#include "generators/indextable.h"
#include "generators/linkblock.h"
#include "generators/md5digest.h"
#include "generators/memorylayout.h"
#include "generators/variabletable.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::generators {
namespace {

const std::string kAsteriskComment = "//" + std::string(62, '*');

void append(std::vector<std::string>& lines, std::vector<std::string> more) {
    lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// The digest as four 32-bit words, each from four bytes in little-endian order.
std::string hashWords(const Md5Digest& digest) {
    std::string text;
    for (std::size_t word = 0; word < digest.size() / 4; ++word) {
        const std::uint32_t value = digest[4 * word] | digest[4 * word + 1] << 8 | digest[4 * word + 2] << 16 |
                                    static_cast<std::uint32_t>(digest[4 * word + 3]) << 24;
        char hex[11];
        std::snprintf(hex, sizeof hex, "0x%08X", value);
        text += (word == 0 ? "" : ", ") + std::string(hex);
    }
    return text;
}

// The two modules of a dual-module controller place each range after the start address of their
// mandatory (ranges 1 and 2) or user memory; a single module counts from 0.
std::string rangeBase(const model::ProfileSettings& settings, int module, int range) {
    if (module == 0) return {};
    const bool mandatory = range <= kLastMandatoryRange;
    if (module == 1) return (mandatory ? settings.AddrComm1 : settings.AddrUser1) + "+";
    return (mandatory ? settings.AddrComm2 : settings.AddrUser2) + "+";
}

class CFileWriter {
public:
    CFileWriter(const model::Profile& profile, const model::Services& context)
        : m_profile(profile),
          m_context(context),
          m_module(canModuleNames(profile.settings)),
          m_lower(m_module.lower),
          m_table(m_module.table),
          m_indexCount(indexCount(profile.view())) {}

    CFile write(std::string_view fileName) {
        writeHeader(fileName);
        writeCounts();
        const std::size_t hashLine = m_file.lines.size();
        writeVariableTable();
        const FormatTable formatTable = writeFormatTable(m_profile.view(), m_profile.settings.FormatType);
        writeFormatTableLines(formatTable);
        const std::optional<Md5Digest> digest = md5Digest(formatTable.hashInput);
        if (!digest) return {{}, "MD5 is not available from the crypto library"};
        m_file.lines.insert(m_file.lines.begin() + static_cast<std::ptrdiff_t>(hashLine),
                            {m_context.translator.tr("// Хэш-сумма:"),
                             "Uint32 const " + m_lower + "_odHash[4] = {" + hashWords(*digest) + "};"});
        const std::vector<IndexRecord> indexRows = indexTableRows(m_profile.view(), formatTable.indexes);
        writeIndexTable(indexRows);
        writeMemoryLayout(formatTable.counters);
        writeFirstIndexes(indexRows);
        if (!writeGroupTable()) return {{}, m_file.error};
        writeCallbackTable();
        m_file.lines.push_back(m_context.translator.tr("// Массив ссылок для драйвера CANopen двухядерных процессоров"));
        append(m_file.lines, linkBlockLines(m_module));
        return std::move(m_file);
    }

private:
    void add(std::string line) { m_file.lines.push_back(std::move(line)); }
    void addTranslated(std::string_view utf8, std::string_view value) {
        add(m_context.translator.tr(utf8) + std::string(value));
    }

    void writeHeader(std::string_view fileName) {
        addTranslated("// Файл: ", fileName);
        addTranslated("// Профиль: ", app::shownPath(m_profile.path));
        addTranslated("// Конфигурация: ", currentConfigurationName(m_profile));
        addTranslated("// Дата создания: ", creationTimeText());
        addTranslated("// Пользователь: ", m_context.user);
        add("// " + app::programTitle());
        if (m_profile.settings.M3Includes) {
            add("#include \"main_M3.h\"");
        } else {
            add("#include \"DSP.h\"");
            add("#include \"main.h\"");
        }
        add("#include \"" + std::string(m_module.fileBase) + ".h\"");
        add("#include \"co_ODvars.h\"");
        add("");
    }

    void writeCounts() {
        const std::string indexes = std::to_string(m_indexCount);
        add(app::formatText(m_context.translator.tr("// всего %d индексов в словаре"), {indexes}));
        add(app::formatText(m_context.translator.tr("// всего %d элементов в словаре"),
                            {std::to_string(m_profile.view().size())}));
        add("Uint16 const " + m_lower + "_numOfInd = " + indexes + ";");
        add(m_context.translator.tr("// Номер перечесления для групп"));
        add("Uint16 const " + m_lower + "_groupEnum = " + m_profile.settings.group_set + ";");
    }

    void writeVariableTable() {
        add(m_context.translator.tr("// Таблица с адресами переменных"));
        add("long const " + m_table + "OD_TBL3[] = {");
        append(m_file.lines, variableTableLines(m_profile, m_module, m_context));
        add("};");
    }

    void writeFormatTableLines(const FormatTable& formatTable) {
        add("Uint16 const " + m_table + "OD_TBL2[] = {");
        m_file.lines.insert(m_file.lines.end(), formatTable.lines.begin(), formatTable.lines.end());
        add("};");
        add("");
    }

    void writeIndexTable(const std::vector<IndexRecord>& rows) {
        add("int16 const " + m_table + "OD_TBL1[] = { ");
        for (const IndexRecord& row : rows) add(std::to_string(row.index) + ", " + std::to_string(row.position) + ",");
        add("};");
    }

    void writeMemoryLayout(const StorageCounters& counters) {
        int range = kFirstRange;
        for (const auto& parts : memoryLayout(counters, kLastRange)) {
            const std::string base = rangeBase(m_profile.settings, m_module.module, range);
            for (const LayoutPart& part : parts) {
                add("Uint16 const " + spiRangeName(m_module, range, part.suffix) + " = " + base +
                    std::to_string(part.offset) + ";");
            }
            ++range;
        }
    }

    void writeFirstIndexes(const std::vector<IndexRecord>& rows) {
        int range = kFirstRange;
        for (const int value : firstIndexValues(rows, m_indexCount)) {
            add("Uint16 const " + firstIndexName(m_module, range++) + " = " + std::to_string(value) + ";");
        }
    }

    bool writeGroupTable() {
        GroupTable groups = groupTableLines(m_profile.view(), m_profile.settings.old_groups);
        if (!groups.error.empty()) {
            m_file.error = std::move(groups.error);
            return false;
        }
        add(m_context.translator.tr("// Таблица групп"));
        add("Uint16 const " + m_table + "TYPE_DEF_TABLE[] = {");
        append(m_file.lines, std::move(groups.lines));
        add("};");
        return true;
    }

    void writeCallbackTable() {
        add(m_context.translator.tr("// Таблица CALLBACK-функций"));
        add(kAsteriskComment);
        add("long const " + m_table + "OD_CALLBACK_TBL[]={");
        append(m_file.lines, callbackTableLines(m_profile.view(), m_module));
        add("};");
        add("");
    }

    const model::Profile& m_profile;
    const model::Services& m_context;
    const CanModuleNames& m_module;
    std::string m_lower;
    std::string m_table;
    int m_indexCount;
    CFile m_file;
};

}  // namespace

CFile writeCFile(const model::Profile& profile, const model::Services& context, std::string_view fileName) {
    return CFileWriter(profile, context).write(fileName);
}

}  // namespace tabrin::generators
