// The format table of the C file (OD_TBL2): one record of 16-bit words per object, with the index
// positions, storage counts and hash input gathered on the way.
#include "generators/formattable.h"

#include <algorithm>

#include "generators/formatword.h"
#include "generators/valuetext.h"
#include "model/dictobject.h"
#include "model/numbertext.h"

namespace tabrin::generators {
namespace {

constexpr int kRecordHeaderWords = 2;
constexpr int kRootRecordWords = 3;

class FormatTableWriter {
public:
    FormatTableWriter(const std::vector<model::DictObject*>& view, bool scramble)
        : m_view(view), m_scramble(scramble) {}

    FormatTable write() {
        for (std::size_t i = 0; i < m_view.size(); ++i) {
            const model::DictObject& object = *m_view[i];
            const int word = formatWordOf(object.format);
            if (word < kRootFormatLimit) writeRoot(object, word, i);
            else writeObject(object, word);
        }
        return std::move(m_table);
    }

private:
    void writeRoot(const model::DictObject& root, int memberCount, std::size_t position) {
        const std::uint32_t index = model::hexTextToNumber(root.index);
        m_groupClass = 0;
        const std::size_t lastMember = std::min(m_view.size() - 1, position + static_cast<std::size_t>(memberCount));
        for (std::size_t i = position + 1; i <= lastMember; ++i) {
            m_groupClass = std::max(m_groupClass, valueClass(storedValueTexts(*m_view[i]).formatWord));
        }
        m_groupRemaining = memberCount;
        addHashPiece(root, root.format);
        m_table.lines.emplace_back();
        m_table.lines.push_back(firstWord(memberCount, index) + ", ");
        m_table.lines.push_back(root.textID + ", ");
        m_table.lines.push_back(std::to_string(m_groupClass) + ",");
        m_table.indexes.push_back({index, m_position});
        m_position += kRootRecordWords;
    }

    void writeObject(const model::DictObject& object, int word) {
        const std::uint32_t index = model::hexTextToNumber(object.index);
        m_table.counters.add(index, word, OutputForm::C);
        const ValueTexts values = prepareValueText(object);
        const int recordClass = valueClass(values.formatWord);
        addHashPiece(object, std::to_string(values.formatWord));
        m_table.lines.push_back(firstWord(values.formatWord, index) + ", " + object.textID + ", " +
                                std::to_string(m_variablePosition++) + ",");
        writeValueLines(values, recordClass);
        const bool member = m_groupRemaining > 0;
        if (!member) m_table.indexes.push_back({index, m_position});
        m_position += recordClass + kRecordHeaderWords;
        if (!member) return;
        for (int padded = recordClass; padded < m_groupClass; ++padded) {
            m_table.lines.emplace_back("0,");
            ++m_position;
        }
        if (--m_groupRemaining == 0) m_groupClass = 0;
    }

    void writeValueLines(const ValueTexts& values, int recordClass) {
        const auto word = [](const std::string& value) { return "(Uint16)(" + value + ")"; };
        const auto doubleWord = [&](const std::string& value) {
            return word(value) + ", (((Uint32)" + value + ")>>16)";
        };
        if (recordClass == 2 || recordClass == 4) m_table.lines.push_back(word(values.defaultValue) + ",");
        if (recordClass == 3 || recordClass == 7) m_table.lines.push_back(doubleWord(values.defaultValue) + ",");
        if (recordClass == 4) m_table.lines.push_back(word(values.min) + ", " + word(values.max) + ",");
        if (recordClass == 7) m_table.lines.push_back(doubleWord(values.min) + ", " + doubleWord(values.max) + ",");
    }

    std::string firstWord(int word, std::uint32_t index) const {
        return std::to_string(m_scramble ? scrambleFormatWord(word, index) : static_cast<std::uint16_t>(word));
    }

    void addHashPiece(const model::DictObject& object, const std::string& formatWord) {
        m_table.hashInput += object.index + "_" + object.subindex + "_" + formatWord + "_" + object.textID;
    }

    const std::vector<model::DictObject*>& m_view;
    bool m_scramble;
    FormatTable m_table;
    int m_position = 0;          // words written so far
    int m_variablePosition = 0;  // non-root objects written so far: the line of the variable table
    int m_groupRemaining = 0;    // members of the current root still to come
    int m_groupClass = 0;        // the largest value class of the current root's members
};

}  // namespace

FormatTable writeFormatTable(const std::vector<model::DictObject*>& view, bool scramble) {
    return FormatTableWriter(view, scramble).write();
}

}  // namespace tabrin::generators
