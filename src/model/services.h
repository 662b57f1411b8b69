// What the operations on a profile take from the program around them for the run: the
// enumeration base, the interface language and its translation, the port of questions and
// messages, the user and the program's folder. The window's workspace and the command-line
// session each make one; generators, panel files and the dictionary table take it as it is.
#pragma once

#include <filesystem>
#include <string>

#include "app/language.h"
#include "app/messageport.h"
#include "app/translator.h"

namespace tabrin::bases {
class SetBase;
}

namespace tabrin::model {

struct Services {
    const bases::SetBase& sets;
    std::string user;  // Windows-1251: the author named in what the program writes
    app::Language language = app::Language::Russian;
    app::Translator& translator;
    app::MessagePort& port;               // asks the questions and tells the messages
    std::filesystem::path programFolder;  // where the program keeps its files (the assembler file among them)
};

}  // namespace tabrin::model
