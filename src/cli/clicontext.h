// What every command of the command-line tool starts from: the home folder, its settings and
// the chosen language and user.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/language.h"
#include "app/settings.h"

namespace tabrin::cli {

struct CliContext {
    std::filesystem::path home;  // the program folder: settings, xml_DB, Log
    app::Settings settings;
    app::Language language = app::Language::Russian;
    std::string user;  // Windows-1251
    std::ostream& out;
    std::ostream& err;
};

/// Exit codes of every command.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

/// A command takes the arguments after its name and returns an exit code.
using CommandFunction = int (*)(CliContext& context, const std::vector<std::string>& arguments);

struct Command {
    const char* name;
    const char* usage;
    CommandFunction run;
};

int exportTextsCommand(CliContext& context, const std::vector<std::string>& arguments);
int checkCommand(CliContext& context, const std::vector<std::string>& arguments);
int saveCommand(CliContext& context, const std::vector<std::string>& arguments);
int generateCommand(CliContext& context, const std::vector<std::string>& arguments);
int edsCommand(CliContext& context, const std::vector<std::string>& arguments);
int panelTextsCommand(CliContext& context, const std::vector<std::string>& arguments);
int panelHeaderCommand(CliContext& context, const std::vector<std::string>& arguments);
int panelEncodeCommand(CliContext& context, const std::vector<std::string>& arguments);
int reportCommand(CliContext& context, const std::vector<std::string>& arguments);
int diffCommand(CliContext& context, const std::vector<std::string>& arguments);
int loadDefaultsCommand(CliContext& context, const std::vector<std::string>& arguments);

}  // namespace tabrin::cli
