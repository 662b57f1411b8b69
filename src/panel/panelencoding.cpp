// The character codes of the 240x operator panels: table А and table Ш, with their escapes.
#include "panel/panelencoding.h"

#include <algorithm>
#include <array>
#include <span>

#include "app/cp1251.h"

namespace tabrin::panel {
namespace {

constexpr char kEscape = '~';
constexpr int kUnknownCode = 128;

// Consecutive codes from `firstCode` for the characters of a run (UTF-8 in the source).
struct CodeRun {
    std::string_view characters;
    int firstCode;
};

// The single quote, which would be 135, is left out: it gives the code of unknown characters.
constexpr CodeRun kPlainCharacters[] = {
    {"0123456789", 0},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 10},
    {"abcdefghijklmnopqrstuvwxyz", 36},
    {"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЫЪЭЮЯ", 62},
    {"абвгдеёжзийклмнопрстуфхцчшщьыъэюя", 95},
    {" !\"#$%&", 128},
    {"()*+,-./", 136},
    {":;<=>?@", 144},
    {"[\\]^_`", 151},
    {"{|}", 157},
};

struct EscapeCode {
    char character;  // the one after "~"
    int code;
};

constexpr EscapeCode kEscapesA[] = {
    {'~', 160}, {'-', 161}, {'D', 165}, {'Q', 166}, {'E', 169}, {'Y', 170}, {'W', 171}, {'a', 172},
    {'b', 173}, {'g', 174}, {'d', 175}, {'h', 178}, {'q', 179}, {'m', 183}, {'p', 186}, {'r', 187},
    {'s', 189}, {'t', 190}, {'j', 192}, {'y', 194}, {'w', 195}, {'z', 196}, {'Z', 197}, {'c', 198},
    {'C', 199}, {'[', 200}, {']', 201}, {'A', 202}, {'_', 203}, {'<', 204}, {'>', 205}, {'^', 206},
    {'V', 207},
};

constexpr EscapeCode kEscapesSh[] = {{'~', 160}, {'m', 183}};

using CodeTable = std::array<int, 256>;

CodeTable buildPlainCodes() {
    CodeTable codes;
    codes.fill(kUnknownCode);
    for (const CodeRun& run : kPlainCharacters) {
        const std::string bytes = cp1251::fromUtf8(run.characters);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            codes[static_cast<unsigned char>(bytes[i])] = run.firstCode + static_cast<int>(i);
        }
    }
    return codes;
}

int plainCode(char character) {
    static const CodeTable codes = buildPlainCodes();
    return codes[static_cast<unsigned char>(character)];
}

std::span<const EscapeCode> escapesOf(PanelTable table) {
    if (table == PanelTable::A) return kEscapesA;
    return kEscapesSh;
}

int escapeCode(char character, PanelTable table) {
    for (const EscapeCode& escape : escapesOf(table)) {
        if (escape.character == character) return escape.code;
    }
    return kUnknownCode;
}

}  // namespace

int endCode(PanelTable table) { return table == PanelTable::A ? 255 : 128; }

int panelCode(std::string_view text, PanelTable table) {
    if (text.empty()) return endCode(table);
    if (text.front() != kEscape) return plainCode(text.front());
    // A "~" that ends the text escapes nothing.
    return text.size() == 1 ? kUnknownCode : escapeCode(text[1], table);
}

std::string_view withoutFirstPanelCharacter(std::string_view text) {
    if (text.empty()) return text;
    return text.substr(text.front() == kEscape ? std::min<std::size_t>(2, text.size()) : 1);
}

int panelCharacterCount(std::string_view text) {
    int count = 0;
    for (; !text.empty(); text = withoutFirstPanelCharacter(text)) ++count;
    return count;
}

}  // namespace tabrin::panel
