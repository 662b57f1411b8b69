// tabrin4-cli: the program's generators and exports without a window.
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "app/cp1251.h"
#include "app/filewrite.h"
#include "app/localelanguage.h"
#include "app/paths.h"
#include "cli/clicontext.h"

namespace {

using namespace tabrin;

const cli::Command kCommands[] = {
    {"export-texts", "export-texts [FOLDER]   write coTextBase[_TOKEN].xml into FOLDER (default: the home)",
     cli::exportTextsCommand},
    {"check", "check PROFILE [--config N]    run the check before generation on configuration N (default:\n"
              "                                the profile's current one) and list what it finds",
     cli::checkCommand},
    {"save", "save PROFILE -o OUT           load PROFILE and save it to OUT as the program saves it",
     cli::saveCommand},
    {"generate", "generate PROFILE [--config N] [--module 0|1|2] [-o FILE]\n"
                 "                               write the controller file (C or assembler, by the profile's series) to FILE\n"
                 "                               or standard output; the faults of the check go to standard error\n"
                 "  generate PROFILE --all [--module 0|1|2] -o FOLDER\n"
                 "                               write the C file of every configuration but the base profile into FOLDER,\n"
                 "                               for both CANopen modules when the profile names module 1 or 2 (default)\n"
                 "                               or for the module given; the files written are listed on standard output",
     cli::generateCommand},
    {"eds", "eds PROFILE [--config N] [-o FILE]\n"
            "                               write the EDS file to FILE (default: beside the profile, with extension .eds)",
     cli::edsCommand},
    {"panel-texts", "panel-texts --type 0..4 [--texts 0|1|2] [--enums 0|1|3|4] [--use-other|--no-use-other]\n              [--include TEXT] [-o FILE] PROFILE...\n                               write the operator-panel text file of the profiles (types: 0 assembler A, 1 assembler Sh,\n                               2 C for 28x, 3 C packed for 2808, 4 C for HIWIN; defaults: short texts, short Russian\n                               enumerations, use another text)", cli::panelTextsCommand},
    {"panel-header", "panel-header --type 0..4 [--include TEXT] [-o FILE]\n                               write the C header of the panel texts, declaring every enumeration of the base", cli::panelHeaderCommand},
    {"panel-encode", "panel-encode TEXT              the words of TEXT in the panel character codes (table A)", cli::panelEncodeCommand},
    {"report", "report PROFILE -o FILE.docx [--config N] [--start-index HEX] [--end-index HEX] [--start-group N]\n                               [--end-group N] [--long-texts] [--c-names] [--outside-group] [--number-column]\n                               [--groups-from-zero] [--no-secret-mark] [--no-index-column]\n                               write the parameter report of the profile as a Word document (defaults: indexes\n                               2500-FFFF, groups -2..255, secret mark and index column on)", cli::reportCommand},
    {"diff", "diff A B [--config N] [--config-b M]\n"
             "                               what differs from configuration N of profile A (default: the base profile)\n"
             "                               to configuration M of B (default: N), one line each; exit 0 equal, 1 different",
     cli::diffCommand},
    {"load-defaults", "load-defaults PROFILE FILE.kvpx [--config N] [--select checked|all|standard|non-standard]\n"
                      "              [--replace-scales|--keep-scales] -o OUT\n"
                      "                               compare the parameter file with configuration N (default: the current\n"
                      "                               one), print the comparison, load the values of the selected parameters\n"
                      "                               (default: those checked in the file) as defaults and save to OUT; a\n"
                      "                               scale-coefficient difference needs one of the two scale switches",
     cli::loadDefaultsCommand},
};

void printUsage(std::ostream& out) {
    out << "usage: tabrin4-cli [--home DIR] [--lang ru|en] [--user NAME] COMMAND [ARGUMENTS]\n"
           "  --home DIR    program folder with Tabrin4.INI and xml_DB (default: $TABRIN_HOME,\n"
           "                else the folder of this executable)\n"
           "  --lang ru|en  interface language (default: ProgLanguage of the settings file)\n"
           "  --user NAME   user name (default: User of the settings file)\n"
           "commands:\n";
    for (const cli::Command& command : kCommands) out << "  " << command.usage << '\n';
}

struct GlobalOptions {
    std::optional<std::string> home;
    std::optional<app::Language> language;
    std::optional<std::string> user;
    std::vector<std::string> rest;  // the command and its arguments
};

std::optional<GlobalOptions> parseGlobalOptions(int argc, char* argv[], std::ostream& err) {
    GlobalOptions options;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            err << option << " needs a value\n";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (option == "--home") {
            options.home = value;
        } else if (option == "--user") {
            options.user = value;
        } else if (option == "--lang" && (value == "ru" || value == "en")) {
            options.language = value == "ru" ? app::Language::Russian : app::Language::English;
        } else {
            err << "unknown option or value: " << option << ' ' << value << '\n';
            return std::nullopt;
        }
    }
    options.rest.assign(argv + i, argv + argc);
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        printUsage(std::cout);
        return cli::kExitDone;
    }
    const std::optional<GlobalOptions> options = parseGlobalOptions(argc, argv, std::cerr);
    if (!options || options->rest.empty()) {
        printUsage(std::cerr);
        return cli::kExitUsage;
    }
    const std::filesystem::path home = options->home ? std::filesystem::path(*options->home) : app::programFolder(argv[0]);
    const app::Settings settings = app::readSettings(app::settingsFilePath(home), app::localeDefaultLanguage());
    cli::CliContext context{home,
                            settings,
                            options->language.value_or(settings.englishInterface() ? app::Language::English
                                                                                    : app::Language::Russian),
                            options->user ? cp1251::fromUtf8(*options->user) : settings.user,
                            std::cout,
                            std::cerr};

    const std::string& name = options->rest.front();
    for (const cli::Command& command : kCommands) {
        if (name != command.name) continue;
        app::setFileWriteNotice([&name](std::string_view line) { std::cerr << name << ": " << cp1251::toUtf8(line) << '\n'; });
        try {
            return command.run(context, {options->rest.begin() + 1, options->rest.end()});
        } catch (const std::bad_alloc&) {
            std::cerr << name << ": Unable to allocate memory\n";
            return cli::kExitFailed;
        }
    }
    std::cerr << "unknown command: " << name << '\n';
    printUsage(std::cerr);
    return cli::kExitUsage;
}
