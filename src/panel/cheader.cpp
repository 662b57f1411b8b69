// The C header of the panel texts: the declarations the panel firmware compiles against.
#include "panel/cheader.h"

#include <set>

#include "app/integertext.h"
#include "bases/setbase.h"

namespace tabrin::panel {

std::vector<std::string> cHeaderLines(PanelType type, const bases::SetBase& sets, const LayoutContext& context) {
    std::vector<std::string> lines;
    lines.emplace_back(kCCommentOpen);
    lines.push_back(context.translator().tr("* Заголовочный файл описания текстов для ПУ"));
    lines.push_back(context.dateLine(""));
    lines.push_back(context.userLine(""));
    lines.emplace_back(kCCommentClose);
    lines.push_back("");
    lines.push_back(context.includeLine("\"DSP.h\""));
    lines.push_back("");
    lines.push_back("const char* FindEnum(Uint16 EnumNumber, Uint16 BitVar);");
    lines.push_back("");
    for (const char* line : {"#ifdef __cplusplus", "extern \"C\"", "{", "#endif", ""}) lines.emplace_back(line);
    // Declared once per number, as the C files define them; an enumeration without a number is
    // never written to the base file and has no array.
    std::set<int> declared;
    for (const bases::SetBaseElement& set : sets.elements()) {
        const std::optional<int> number = app::toInteger(set.id);
        if (!number || *number < 0 || !declared.insert(*number).second) continue;
        lines.push_back("extern const char* const texts_enum" + std::to_string(*number) + "[];");
    }
    lines.push_back("");
    lines.push_back(type == PanelType::CPacked2808 ? "extern Uint16 const texts_texts[];"
                                                   : "extern const char* const texts_texts[];");
    lines.push_back("extern Uint16 const TextCounter;");
    lines.push_back("");
    for (const char* line : {"#ifdef __cplusplus", "}", "#endif"}) lines.emplace_back(line);
    return lines;
}

}  // namespace tabrin::panel
