// report PROFILE -o FILE.docx [options]: the parameter report of a profile, as the report window
// writes it right after the profile was opened.
#include <algorithm>
#include <initializer_list>
#include <ostream>

#include "app/integertext.h"
#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/commandarguments.h"
#include "report/reportcontent.h"
#include "report/reportrun.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "report";
constexpr std::string_view kOutputOption = "-o";
constexpr std::string_view kConfigOption = "--config";
constexpr std::string_view kStartIndexOption = "--start-index";
constexpr std::string_view kEndIndexOption = "--end-index";
constexpr std::string_view kStartGroupOption = "--start-group";
constexpr std::string_view kEndGroupOption = "--end-group";
constexpr std::initializer_list<std::string_view> kValueOptions = {
    kOutputOption, kConfigOption, kStartIndexOption, kEndIndexOption, kStartGroupOption, kEndGroupOption};

// The window's check boxes, each set to `value` by its option.
struct Switch {
    std::string_view option;
    bool report::ReportOptions::*field;
    bool value;
};

constexpr Switch kSwitches[] = {
    {"--long-texts", &report::ReportOptions::longTexts, true},
    {"--c-names", &report::ReportOptions::cNames, true},
    {"--outside-group", &report::ReportOptions::outsideGroup, true},
    {"--number-column", &report::ReportOptions::numberColumn, true},
    {"--groups-from-zero", &report::ReportOptions::groupsFromZero, true},
    {"--no-secret-mark", &report::ReportOptions::secretMark, false},
    {"--no-index-column", &report::ReportOptions::indexColumn, false},
};

// Applies the switches and returns the other arguments; the value of an option is never taken
// for a switch.
std::vector<std::string> applySwitches(const std::vector<std::string>& arguments, report::ReportOptions& options) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (std::find(kValueOptions.begin(), kValueOptions.end(), argument) != kValueOptions.end() &&
            i + 1 < arguments.size()) {
            rest.push_back(argument);
            rest.push_back(arguments[++i]);
            continue;
        }
        const auto found = std::find_if(std::begin(kSwitches), std::end(kSwitches),
                                        [&](const Switch& candidate) { return candidate.option == argument; });
        if (found == std::end(kSwitches)) {
            rest.push_back(argument);
        } else {
            options.*found->field = found->value;
        }
    }
    return rest;
}

// Reads the value of `option` into `target` when it was given; false, told on `err`, when it
// does not read.
template <typename Value, typename Parse>
bool readOption(const FileArguments& parsed, std::string_view option, Parse parse, std::string_view expected,
                Value& target, std::ostream& err) {
    const auto given = parsed.options.find(std::string(option));
    if (given == parsed.options.end()) return true;
    const auto value = parse(given->second);
    if (!value) {
        err << kCommand << ": " << option << " needs " << expected << ", got " << given->second << '\n';
        return false;
    }
    target = *value;
    return true;
}

}  // namespace

int reportCommand(CliContext& context, const std::vector<std::string>& arguments) {
    report::ReportOptions options;
    const std::optional<FileArguments> parsed =
        parseFileArguments(kCommand, applySwitches(arguments, options), kValueOptions, context.err);
    if (!parsed) return kExitUsage;
    const auto output = parsed->options.find(std::string(kOutputOption));
    if (output == parsed->options.end()) {
        context.err << kCommand << ": " << kOutputOption << " FILE.docx is required\n";
        return kExitUsage;
    }
    std::optional<int> configuration;
    const auto integer = [](std::string_view text) { return app::toInteger(text); };
    if (!readOption(*parsed, kConfigOption, integer, "a configuration number", configuration, context.err) ||
        !readOption(*parsed, kStartIndexOption, report::parseIndexBound, "a hexadecimal index", options.startIndex,
                    context.err) ||
        !readOption(*parsed, kEndIndexOption, report::parseIndexBound, "a hexadecimal index", options.endIndex,
                    context.err) ||
        !readOption(*parsed, kStartGroupOption, integer, "a group number", options.startGroup, context.err) ||
        !readOption(*parsed, kEndGroupOption, integer, "a group number", options.endGroup, context.err)) {
        return kExitUsage;
    }

    CliSession session(context);
    if (!session.loadBases() || !session.openProfile(parsed->file, configuration)) return kExitFailed;
    if (configuration && session.profile().CurrSubProfile != *configuration) {
        context.err << kCommand << ": the profile has no configuration " << *configuration << '\n';
        return kExitFailed;
    }
    const report::ReportContent content = report::prepareReport(session.profile(), session.texts(), session.sets(),
                                                                options, context.language, session.translator());
    if (report::writeReport(content, output->second, {}, {}) != report::ReportStatus::Written) {
        context.err << kCommand << ": cannot write " << output->second << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace tabrin::cli
