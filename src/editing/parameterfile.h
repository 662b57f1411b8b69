// A parameter file ("kvpx") of the maker's setup tool as data: its parameters in file order with
// the access and type their format words give, their values (float bit patterns decoded), names
// from the text base, the group enumeration it names, and the four ways to select parameters.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "model/formattype.h"

namespace tabrin::bases {
class TextBase;
}

namespace tabrin::editing {

struct Parameter {
    std::string index;     // "2001h"
    std::string subindex;  // "00h"
    std::string format;    // the low 16 bits of the format word, as decimal text
    std::string value;
    std::string textNumber;
    std::string group;
    std::string info;
    std::string name;  // from the text base, "_" when the text is unknown
    std::string nameEng;
    std::string text;
    model::Access access = model::Access::Viewable;
    model::FormatType type = model::FormatType::StandartNum;
    bool selected = false;

    std::string address() const { return index + "." + subindex; }
    /// Viewable parameters are never selected; roots carry no value.
    bool selectable() const { return access != model::Access::Viewable && type != model::FormatType::Root; }
};

/// What labels and descriptions name a parameter by: the short text, or the long name by language.
struct TreeNames {
    bool shortNames = false;
    app::Language language = app::Language::Russian;
};

/// The short text, or the long name by language with the other long name taken when it is empty.
/// `Named` is a parameter or a dictionary object.
template <typename Named>
std::string shownName(const Named& named, const TreeNames& names) {
    if (names.shortNames) return named.text;
    const bool english = names.language == app::Language::English;
    const std::string& chosen = english ? named.nameEng : named.name;
    return chosen.empty() ? (english ? named.name : named.nameEng) : chosen;
}

/// "name [2000h.01h]"
template <typename Named>
std::string parameterDescription(const Named& named, const TreeNames& names) {
    return shownName(named, names) + " [" + named.address() + "]";
}

/// The group enumeration a file names when it names none.
inline constexpr int kDefaultParameterGroupSet = 13;

struct ParameterFile {
    std::vector<Parameter> parameters;
    int groupSet = kDefaultParameterGroupSet;
};

/// What reading gives: the parameters read, and the message that stopped the reading, if any (a
/// broken record keeps what came before it but the file does not count as loaded).
struct ParameterFileReading {
    ParameterFile file;
    std::optional<std::string> error;
};

/// Reads the text of a parameter file (Windows-1251); `pathText` names it in messages.
ParameterFileReading readParameterFile(const std::string& text, std::string_view pathText,
                                       const bases::TextBase& texts);

/// The largest parameter file read; a controller's parameters take a small part of it.
inline constexpr std::uintmax_t kMaxParameterFileSize = std::uintmax_t(64) << 20;

/// Reads the parameter file at `path`; a file that is missing, unreadable or larger than
/// kMaxParameterFileSize gives the message and no parameters.
ParameterFileReading readParameterFileAt(const std::filesystem::path& path, const bases::TextBase& texts);

/// The access (bits 15..14) and type of a format word as the file gives it.
model::Access parameterAccess(unsigned word);
model::FormatType parameterType(unsigned word);

enum class ParameterSelection { All, None, Standard, AllButStandard };
/// Selects the parameters the button chooses: all, none, the standard ones (index up to 2500h) or
/// the others (from 2501h, but not 250Fh.00h). Parameters that cannot be selected stay unselected.
void selectParameters(ParameterFile& file, ParameterSelection selection);

}  // namespace tabrin::editing
