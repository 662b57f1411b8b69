// What every generator needs besides the profile: the enumeration base, the user, the interface
// language and translation, the question port of the check and the program's folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/language.h"
#include "app/translator.h"

namespace tabrin::app {
class MessagePort;
}
namespace tabrin::bases {
class SetBase;
}

namespace tabrin::generators {

struct GenerationContext {
    const bases::SetBase& sets;
    std::string user;  // Windows-1251, written into file headers
    app::Language language = app::Language::Russian;
    app::Translator& translator;
    app::MessagePort& port;               // asks the questions of the check before generation
    std::filesystem::path programFolder;  // the assembler file is saved here
};

/// How a generation ended. Refused: the check failed or the user's input was refused; the questions
/// asked have said why. Failed: `error` says why.
enum class GenerationStatus { Generated, Refused, Failed };

}  // namespace tabrin::generators
