// The names of the controller file's copies: the folder copy named after the CAN module and the
// configuration, and the transliteration that makes a configuration name fit a file name.
#include "generators/filenaming.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "app/cp1251.h"
#include "app/paths.h"
#include "generators/canmodule.h"
#include "generators/generationsteps.h"
#include "model/profile.h"

namespace tabrin::generators {
namespace {

struct Transliteration {
    std::string_view from;  // one character, UTF-8
    std::string_view to;
};

constexpr Transliteration kTransliterations[] = {
    {"А", "A"}, {"а", "a"}, {"Б", "B"}, {"б", "b"}, {"В", "V"}, {"в", "v"}, {"Г", "G"}, {"г", "g"},
    {"Д", "D"}, {"д", "d"}, {"Е", "E"}, {"е", "e"}, {"Ё", "YO"}, {"ё", "yo"}, {"Ж", "ZH"}, {"ж", "zh"},
    {"З", "Z"}, {"з", "z"}, {"И", "I"}, {"и", "i"}, {"Й", "Y"}, {"й", "y"}, {"К", "K"}, {"к", "k"},
    {"Л", "L"}, {"л", "l"}, {"М", "M"}, {"м", "m"}, {"Н", "N"}, {"н", "n"}, {"О", "O"}, {"о", "o"},
    {"П", "P"}, {"п", "p"}, {"Р", "R"}, {"р", "r"}, {"С", "S"}, {"с", "s"}, {"Т", "T"}, {"т", "t"},
    {"У", "U"}, {"у", "u"}, {"Ф", "F"}, {"ф", "f"}, {"Х", "KH"}, {"х", "kh"}, {"Ц", "TS"}, {"ц", "ts"},
    {"Ч", "CH"}, {"ч", "ch"}, {"Ш", "SH"}, {"ш", "sh"}, {"Щ", "SCH"}, {"щ", "sch"}, {"Ъ", "'"}, {"ъ", "'"},
    {"Ы", "Y"}, {"ы", "y"}, {"Ь", "'"}, {"ь", "'"}, {"Э", "E"}, {"э", "e"}, {"Ю", "YU"}, {"ю", "yu"},
    {"Я", "YA"}, {"я", "ya"}, {" ", "_"}, {"\\", "_"}, {"/", "_"}, {":", "-"}, {"*", "-"}, {"?", ""},
    {"\"", "'"}, {"<", "["}, {">", "]"}, {"|", "_"},
};

// What every Windows-1251 byte becomes; a byte without an entry stays itself.
std::array<std::string, 256> transliterationTable() {
    std::array<std::string, 256> table;
    for (std::size_t byte = 0; byte < table.size(); ++byte) table[byte] = std::string(1, static_cast<char>(byte));
    // A line break or a tab typed into a configuration's name would end up inside a file name.
    for (std::size_t control = 0; control < 0x20; ++control) table[control] = "_";
    table[0x7F] = "_";
    for (const Transliteration& entry : kTransliterations) {
        table[static_cast<unsigned char>(cp1251::fromUtf8(entry.from).front())] = entry.to;
    }
    return table;
}

}  // namespace

std::string transliterateName(std::string_view name) {
    static const std::array<std::string, 256> table = transliterationTable();
    std::string result;
    for (const char c : name) result += table[static_cast<unsigned char>(c)];
    return result;
}

std::string controllerFileBaseName(const model::Profile& profile) {
    std::string name(canModuleNames(profile.settings).fileBase);
    if (profile.CurrSubProfile > 0) name += "_" + transliterateName(currentConfigurationName(profile));
    return name + ".c";
}

std::string controllerFileName(const model::Profile& profile) {
    const std::string& folderText = profile.settings.VostCFolder;
    if (folderText.empty()) return {};
    const std::filesystem::path folder = app::nativePath(app::resolve(profile.path, app::pathFromStored(folderText)));
    std::error_code error;
    // A drive-letter path of a Windows profile names no folder here.
    if (!folder.is_absolute() || !std::filesystem::is_directory(folder, error)) return {};
    return app::pathText((folder / app::pathFromStored(controllerFileBaseName(profile))).lexically_normal());
}

}  // namespace tabrin::generators
