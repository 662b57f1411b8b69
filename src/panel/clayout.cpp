// Panel text files in C: the layouts of types 2 (28x), 3 (2808, packed) and 4 (HIWIN panel).
#include "panel/clayout.h"

#include "app/cp1251.h"
#include "app/paths.h"
#include "panel/ctextforms.h"

namespace tabrin::panel {
namespace {

using Lines = std::vector<std::string>;

std::string setArray(int number) { return "texts_enum" + std::to_string(number); }

// The head of types 2 and 3.
void appendHead(Lines& lines, const LayoutContext& context) {
    lines.emplace_back(kCCommentOpen);
    lines.push_back(context.translator().tr("* Файл описания текстов для ПУ [") + context.panelTypeName + "] *");
    lines.push_back(context.profilesLine());
    lines.push_back(context.dateLine(" *"));
    lines.push_back(context.userLine(" *"));
    lines.emplace_back(kCCommentClose);
    lines.push_back(context.includeLine("\"main.h\""));
}

void appendEnumerationArrays(Lines& lines, const PanelWorkingSets& working, const LayoutContext& context) {
    for (const PanelEnumeration& enumeration : working.enumerations) {
        lines.push_back("const char* const " + setArray(enumeration.number) + "[]={");
        for (const std::string& item : enumeration.itemTexts) {
            std::string line = stringLiteral(withQuotesHandled(item)) + ",";
            if (const std::size_t cr = line.find('\r'); cr != std::string::npos) line.erase(cr, 1);
            lines.push_back(std::move(line));
        }
        lines.push_back(stringLiteral("\x01") + ",");  // the end of the variants
        lines.push_back("};");
        context.progress().betweenEntries();
    }
}

// The default branch of FindEnum in types 2 and 3: the number of an unknown enumeration and "НетПер".
void appendUnknownEnumeration(Lines& lines) {
    lines.push_back("  default: ");
    lines.push_back("  \tout_dec_unsigned(EnumNumber, 9, 0); ");
    const std::string unknown = cp1251::fromUtf8("НетПер");
    for (std::size_t i = 0; i < unknown.size(); ++i) {
        lines.push_back("  \taddr[" + std::to_string(i) + "]='" + unknown[i] + "';");
    }
}

// The end of FindEnum in types 2 and 3: a value beyond the variants shows "Вар" and the value.
void appendUnknownValue(Lines& lines) {
    lines.push_back("if ((Slovo[0]==0)||(EnumVarsCounter(EnumNumber)<=BitVar)) ");
    lines.push_back("{ ");
    lines.push_back("\tSlovo=(const char*)addr; ");
    lines.push_back("\tout_dec_unsigned(BitVar, 5, 0);  ");
    const std::string variant = cp1251::fromUtf8("Вар");
    for (std::size_t i = 0; i < variant.size(); ++i) {
        lines.push_back("\taddr[" + std::to_string(i) + "]='" + variant[i] + "'; ");
    }
    lines.push_back("\t}");
    lines.push_back("return(Slovo);");
    lines.push_back("}");
}

// The texts array indexed by number: every number without a text gets `filler`.
void appendTextEntries(Lines& lines, const PanelWorkingSets& working, std::string_view filler,
                       std::string (*entry)(const PanelText&), const LayoutContext& context) {
    int runningIndex = 0;
    for (const PanelText& text : working.texts) {
        for (; runningIndex < text.number; ++runningIndex) lines.emplace_back(filler);
        lines.push_back(entry(text));
        runningIndex = text.number + 1;
        context.progress().betweenEntries();
    }
}

std::string referenceOf(const PanelText& text) {
    return text.isBound() ? enumerationReference(text.setNumber) : std::string();
}

std::string stringEntry(const PanelText& text) {
    return stringLiteral(withQuotesHandled(text.text) + referenceOf(text)) + ",";
}

std::string packedEntry(const PanelText& text) {
    std::string shown = withQuotesHandled(text.text);
    // A comment ending in a backslash would swallow the next line, the next text's words.
    if (shown.ends_with('\\')) shown += '.';
    return packedWords(withQuotesHandled(text.text) + referenceOf(text)) + "0,       //" + shown;
}

std::string counterLine(const PanelWorkingSets& working) {
    const int greatest = working.texts.empty() ? 0 : working.texts.back().number;
    return "Uint16 const TextCounter = " + std::to_string(greatest) + ";";
}

// Types 2 and 3 differ only in the spacing of FindEnum and in the form of the texts array.
struct LevelledVariant {
    std::string_view levelLine;
    std::string_view resultLine;
    std::string_view assignment;   // before the array element in each case
    std::string_view unknownCast;  // the default branch's result
    std::string_view returnLine;
    std::string_view textsArrayLine;
    std::string_view filler;
    std::string (*entry)(const PanelText&);
};

constexpr LevelledVariant k28x{"Uint16 FindEnumLevel = 0;",
                               "  const char*\tSlovo = 0;",
                               "Slovo = ",
                               "  \tSlovo=(char*)addr;",
                               "return (Slovo);",
                               "const char* const texts_texts[]={",
                               "\"\",",
                               stringEntry};
constexpr LevelledVariant kPacked2808{"Uint16 FindEnumLevel=0;",
                                      "  const char*\tSlovo=0;",
                                      "Slovo=",
                                      "  \tSlovo=(const char*)addr;",
                                      "return(Slovo);",
                                      "Uint16 const texts_texts[]={",
                                      "0,",
                                      packedEntry};

Lines levelledLines(const LevelledVariant& variant, const PanelWorkingSets& working, const LayoutContext& context) {
    Lines lines;
    appendHead(lines, context);
    appendEnumerationArrays(lines, working, context);
    lines.emplace_back(variant.levelLine);
    lines.push_back("const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar){");
    lines.emplace_back(variant.resultLine);
    lines.push_back("  switch (EnumNumber){");
    for (const PanelEnumeration& enumeration : working.enumerations) {
        lines.push_back("          case " + std::to_string(enumeration.number) + ": " +
                        std::string(variant.assignment) + setArray(enumeration.number) + "[BitVar]; break;");
    }
    appendUnknownEnumeration(lines);
    lines.emplace_back(variant.unknownCast);
    lines.push_back("  \tFindEnumLevel--;");
    lines.push_back("  \t" + std::string(variant.returnLine));
    lines.push_back("}");
    lines.push_back("if (FindEnumLevel)");
    lines.push_back("\t" + std::string(variant.returnLine));
    appendUnknownValue(lines);
    lines.push_back("");
    context.progress().reach(40);
    lines.emplace_back(variant.textsArrayLine);
    appendTextEntries(lines, working, variant.filler, variant.entry, context);
    lines.push_back("};");
    lines.push_back(counterLine(working));
    return lines;
}

Lines typeHiwinLines(const PanelWorkingSets& working, const LayoutContext& context) {
    Lines lines;
    lines.emplace_back(kCCommentOpen);
    std::string title = context.translator().tr("* Файл описания текстов для ПУ") + "\r\n* [" + context.panelTypeName + "] " +
                        context.translator().tr("для профиля(й):");
    for (const std::string& file : context.profileFiles) title += "\r\n* " + app::shownPath(file);
    lines.push_back(std::move(title));
    lines.push_back(context.dateLine(""));
    lines.push_back(context.userLine(""));
    lines.emplace_back(kCCommentClose);
    lines.push_back("");
    lines.push_back(context.includeLine("<LCD/LCD_Text.h>"));
    lines.push_back("");
    appendEnumerationArrays(lines, working, context);
    lines.push_back("const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar)\r\n{");
    lines.push_back("\tconst char* Slovo = 0;");
    lines.push_back(" \tswitch (EnumNumber)\r\n\t{");
    for (const PanelEnumeration& enumeration : working.enumerations) {
        const std::string number = std::to_string(enumeration.number);
        lines.push_back("\t\tcase " + number + ": Slovo = " + setArray(enumeration.number) + "[BitVar]; break;");
    }
    lines.push_back("\t}");
    lines.push_back("\treturn(Slovo);");
    lines.push_back("}");
    lines.push_back("");
    context.progress().reach(40);
    lines.push_back("const char* const texts_texts[]={");
    appendTextEntries(lines, working, "\"\",", stringEntry, context);
    lines.push_back("};");
    lines.push_back("");
    lines.push_back(counterLine(working));
    return lines;
}

}  // namespace

Lines cFileLines(PanelType type, const PanelWorkingSets& working, const LayoutContext& context) {
    switch (type) {
    case PanelType::CPacked2808: return levelledLines(kPacked2808, working, context);
    case PanelType::CHiwin: return typeHiwinLines(working, context);
    default: return levelledLines(k28x, working, context);
    }
}

}  // namespace tabrin::panel
