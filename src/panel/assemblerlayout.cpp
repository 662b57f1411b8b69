// Panel text files in assembler for the 240x panels: the layouts of types А and Ш.
#include "panel/assemblerlayout.h"

#include <algorithm>

#include "app/formattext.h"
#include "panel/panelencoding.h"
#include "panel/panelwords.h"

namespace tabrin::panel {
namespace {

using Lines = std::vector<std::string>;

const std::string kAsterisks(60, '*');
constexpr int kShWordsPerText = 3;

void appendHead(Lines& lines, std::string_view titleUtf8, const LayoutContext& context) {
    lines.push_back(kAsterisks);
    lines.push_back(context.translator().tr(titleUtf8));
    lines.push_back(context.profilesLine());
    lines.push_back(context.dateLine(" *"));
    lines.push_back(context.userLine(" *"));
    lines.push_back(kAsterisks);
    for (const std::string_view comment : {"    ; В файле texts.inc могут содержаться переопределения",
                                           "    ; автоматически генерируемых символов. Например,",
                                           "    ; смещение перечисления размерностей, метка на который",
                                           "    ; генерируется автоматически и не является асоциативно",
                                           "    ; понятной для программиста."}) {
        lines.push_back(context.translator().tr(comment));
    }
    lines.push_back("    .include    texts.inc");
}

// Every panel character takes one place in a record, escapes included.
int recordLength(const PanelEnumeration& enumeration) {
    int length = 0;
    for (const std::string& item : enumeration.itemTexts) length = std::max(length, panelCharacterCount(item));
    return length;
}

int wordsPerItem(int recordLength) { return (recordLength + 1) / 2; }

std::string setLabel(int number) { return "texts_enum" + std::to_string(number); }
std::string textLabel(int number) { return "texts_texts" + std::to_string(number); }

void appendRecordSize(Lines& lines, const PanelEnumeration& enumeration, const LayoutContext& context) {
    const int length = recordLength(enumeration);
    lines.push_back(app::formatText(context.translator().tr("    ; Размер записи %d символ(а/ов)"), {std::to_string(length)}));
    lines.push_back(
        app::formatText(context.translator().tr("    ; или %d слов(а/ов)"), {std::to_string(wordsPerItem(length))}));
    lines.push_back(setLabel(enumeration.number) + "Len    .set    " + std::to_string(length));
}

void appendWords(Lines& lines, std::string_view text, int count, PanelTable table) {
    for (int i = 0; i < count; ++i) lines.push_back(takeWord(text, table).line);
}

void appendItems(Lines& lines, const PanelEnumeration& enumeration, PanelTable table) {
    const int words = wordsPerItem(recordLength(enumeration));
    for (const std::string& item : enumeration.itemTexts) {
        lines.push_back("    ; " + item);
        appendWords(lines, item, words, table);
    }
}

// A text bound to an enumeration that the base lacks has no record to refer to: it is written
// as unbound, so that the file still assembles.
const PanelEnumeration* boundRecord(const PanelText& text, const PanelWorkingSets& working) {
    return text.isBound() ? working.enumeration(text.setNumber) : nullptr;
}

void appendAddressTableHead(Lines& lines, const LayoutContext& context) {
    lines.push_back("");
    lines.push_back(kAsterisks);
    lines.push_back(context.translator().tr("; Таблица ссылок на тексты"));
    lines.push_back("    .def    texts_addrTbl");
    lines.push_back("texts_addrTbl:");
}

void appendTextCount(Lines& lines, const PanelWorkingSets& working) {
    lines.push_back("    .def    texts_numOfTexts");
    lines.push_back("texts_numOfTexts    .set    " + std::to_string(working.texts.size()));
}

void appendAddresses(Lines& lines, const PanelWorkingSets& working, const LayoutContext& context) {
    for (const PanelText& text : working.texts) {
        const std::string number = std::to_string(text.number);
        lines.push_back("    .word    " + number + (boundRecord(text, working) ? "+32768   ; " : "   ; ") + text.text);
        lines.push_back("    .word    " + textLabel(text.number) + "-texts_textsTbl");
        context.progress().betweenEntries();
    }
}

void appendTextTableHead(Lines& lines, const LayoutContext& context) {
    lines.push_back("");
    lines.push_back(kAsterisks);
    lines.push_back(context.translator().tr("; Таблица текстов"));
    lines.push_back("    .def    texts_textsTbl");
    lines.push_back("texts_textsTbl:");
}

void appendRecordReference(Lines& lines, const PanelText& text, const PanelWorkingSets& working) {
    const PanelEnumeration* record = boundRecord(text, working);
    if (!record) return;
    const std::string label = setLabel(record->number);
    lines.push_back("    .word    " + label + "Len*256+" + std::to_string(record->itemTexts.size()));
    lines.push_back("    .word    " + label + "-texts_enumsTbl");
}

}  // namespace

Lines typeAFileLines(const PanelWorkingSets& working, const LayoutContext& context) {
    constexpr PanelTable table = PanelTable::A;
    Lines lines;
    appendHead(lines, "* Файл описания текстов для Пульта Оперативного Управления (тип А) *", context);
    lines.push_back("    .def    texts_enumsIndexTbl");
    lines.push_back("texts_enumsIndexTbl:");
    lines.push_back("numOfEnums   .set   " + std::to_string(working.enumerations.size()));
    lines.push_back("    .def    numOfEnums");
    for (const PanelEnumeration& enumeration : working.enumerations) {
        lines.push_back("  .word " + std::to_string(enumeration.number));
        lines.push_back("  .word " + setLabel(enumeration.number));
    }
    lines.push_back("    .def    texts_enumsTbl");
    lines.push_back("texts_enumsTbl:");
    context.progress().reach(40);
    for (const PanelEnumeration& enumeration : working.enumerations) {
        appendRecordSize(lines, enumeration, context);
        // The firmware steps through the variants: a record without items still counts one.
        const std::size_t variants = std::max<std::size_t>(1, enumeration.itemTexts.size());
        lines.push_back("    .word " + std::to_string(variants) + context.translator().tr(" ; вариантов"));
        lines.push_back("    .word " + setLabel(enumeration.number) + "Len");
        lines.push_back(setLabel(enumeration.number) + ":");
        appendItems(lines, enumeration, table);
        context.progress().betweenEntries();
    }
    context.progress().reach(50);
    appendAddressTableHead(lines, context);
    appendAddresses(lines, working, context);
    appendTextCount(lines, working);
    context.progress().reach(70);
    appendTextTableHead(lines, context);
    context.progress().reach(80);
    for (const PanelText& text : working.texts) {
        lines.push_back("");
        lines.push_back(textLabel(text.number) + ":");
        std::string_view rest = text.text;
        for (bool ended = false; !ended;) {
            PanelWord word = takeWord(rest, table);
            ended = word.holdsEndCode;
            lines.push_back(std::move(word.line));
        }
        appendRecordReference(lines, text, working);
        context.progress().betweenEntries();
    }
    context.progress().reach(85);
    return lines;
}

Lines typeShFileLines(const PanelWorkingSets& working, const LayoutContext& context) {
    constexpr PanelTable table = PanelTable::Sh;
    Lines lines;
    appendHead(lines, "* Файл описания текстов для Пульта Оперативного Управления (тип Ш) *", context);
    lines.push_back("    .def    texts_enumsTbl");
    lines.push_back("texts_enumsTbl:");
    context.progress().reach(40);
    for (const PanelEnumeration& enumeration : working.enumerations) {
        lines.push_back(setLabel(enumeration.number) + ":");
        appendRecordSize(lines, enumeration, context);
        appendItems(lines, enumeration, table);
        context.progress().betweenEntries();
    }
    context.progress().reach(50);
    appendAddressTableHead(lines, context);
    appendTextCount(lines, working);
    appendAddresses(lines, working, context);
    context.progress().reach(60);
    appendTextTableHead(lines, context);
    for (const PanelText& text : working.texts) {
        lines.push_back("");
        lines.push_back(textLabel(text.number) + ":");
        appendWords(lines, text.text, kShWordsPerText, table);
        appendRecordReference(lines, text, working);
        context.progress().betweenEntries();
    }
    context.progress().reach(70);
    return lines;
}

}  // namespace tabrin::panel
