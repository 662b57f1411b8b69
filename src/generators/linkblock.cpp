// The link array of the C file: the addresses of the dictionary's tables and constants, which the
// CANopen driver of a dual-core processor reads.
#include "generators/linkblock.h"

#include "generators/canmodule.h"
#include "generators/dictionarynames.h"
#include "generators/memorylayout.h"

namespace tabrin::generators {
namespace {

const std::string kIndent(24, ' ');

void addVariant(std::vector<std::string>& lines, const CanModuleNames& module, int lastRange,
                const std::string& lengthMacro) {
    const std::string lower(module.lower);
    const std::string link(module.link);
    std::vector<std::string> entries = {"(long)&" + lower + "_numOfInd"};
    for (const std::string_view table : kDictionaryTables) {
        entries.push_back("(long)&" + link + "_" + std::string(table));
    }
    for (int range = kFirstRange; range <= lastRange; ++range) {
        for (const std::string_view part : kRangeParts) {
            entries.push_back("(long)&" + spiRangeName(module, range, part));
        }
    }
    for (int range = kFirstRange; range <= lastRange; ++range) {
        entries.push_back("(long)&" + firstIndexName(module, range));
    }

    lines.push_back("long const " + link + "_LINKS[]={" + entries.front() + ",");
    for (std::size_t i = 1; i < entries.size(); ++i) {
        lines.push_back(kIndent + entries[i] + (i + 1 < entries.size() ? "," : ""));
    }
    lines.push_back("};");
    lines.emplace_back();
    lines.push_back("STATIC_ASSERT(((sizeof(" + link + "_LINKS)/sizeof(" + link + "_LINKS[0])) == (" + lengthMacro +
                    " + 1)),m);");
}

}  // namespace

std::vector<std::string> linkBlockLines(const CanModuleNames& module) {
    std::vector<std::string> lines = {"#if defined(VOST_LINKS__6000)"};
    addVariant(lines, module, kLastRange, "VOST_LINKS__6000");
    lines.emplace_back();
    lines.push_back("#elif defined(VOST_LINKS__5000)");
    addVariant(lines, module, kLastRange - 1, "VOST_LINKS__5000");
    lines.push_back("#endif");
    return lines;
}

}  // namespace tabrin::generators
