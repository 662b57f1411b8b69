// load-defaults PROFILE FILE.kvpx [--config N] [--select checked|all|standard|non-standard]
// [--replace-scales|--keep-scales] -o OUT: the values of a parameter file become the defaults of a
// configuration, after the comparison the parameter-file window makes, and the result is saved.
#include <map>
#include <ostream>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "app/settings.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/panelcommandoptions.h"
#include "editing/parametercomparison.h"
#include "editing/parameterfile.h"
#include "editing/scalemismatch.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "load-defaults";
constexpr std::string_view kConfigOption = "--config";
constexpr std::string_view kSelectOption = "--select";
constexpr std::string_view kOutputOption = "-o";
constexpr std::string_view kReplaceScales = "--replace-scales";
constexpr std::string_view kKeepScales = "--keep-scales";

// The selections of "--select"; "checked" (nothing here) keeps what the file has checked.
const std::map<std::string, std::optional<editing::ParameterSelection>, std::less<>> kSelections = {
    {"checked", std::nullopt},
    {"all", editing::ParameterSelection::All},
    {"standard", editing::ParameterSelection::Standard},
    {"non-standard", editing::ParameterSelection::AllButStandard},
};

struct LoadOptions {
    std::string profile;
    std::string parameters;
    std::string output;
    std::optional<int> configuration;
    std::optional<editing::ParameterSelection> selection;
    bool replaceScales = false;
    bool keepScales = false;
};

std::optional<LoadOptions> readOptions(const std::vector<std::string>& arguments, std::ostream& err) {
    const std::optional<PanelArguments> parsed = parsePanelArguments(
        kCommand, arguments, {kConfigOption, kSelectOption, kOutputOption}, {kReplaceScales, kKeepScales}, err);
    if (!parsed) return std::nullopt;
    if (parsed->words.size() != 2) {
        err << kCommand << ": takes a profile and a parameter file, got " << parsed->words.size() << " file(s)\n";
        return std::nullopt;
    }
    LoadOptions options;
    options.profile = parsed->words[0];
    options.parameters = parsed->words[1];
    const auto output = parsed->values.find(kOutputOption);
    if (output == parsed->values.end()) {
        err << kCommand << ": " << kOutputOption << " OUT is required\n";
        return std::nullopt;
    }
    options.output = output->second;
    if (const auto given = parsed->values.find(kConfigOption); given != parsed->values.end()) {
        options.configuration = app::toInteger(given->second);
        if (!options.configuration) {
            err << kCommand << ": " << kConfigOption << " needs a configuration number, got " << given->second << '\n';
            return std::nullopt;
        }
    }
    if (const auto given = parsed->values.find(kSelectOption); given != parsed->values.end()) {
        const auto selection = kSelections.find(given->second);
        if (selection == kSelections.end()) {
            err << kCommand << ": " << kSelectOption << " takes checked, all, standard or non-standard, got "
                << given->second << '\n';
            return std::nullopt;
        }
        options.selection = selection->second;
    }
    options.replaceScales = parsed->flags.contains(kReplaceScales);
    options.keepScales = parsed->flags.contains(kKeepScales);
    if (options.replaceScales && options.keepScales) {
        err << kCommand << ": " << kReplaceScales << " and " << kKeepScales << " exclude each other\n";
        return std::nullopt;
    }
    return options;
}

// What the output would overwrite among the files the command reads besides the profile (which
// it may replace on purpose): the parameter file, the bases, the settings and the translation.
std::optional<std::string> inputAtOutput(const LoadOptions& options, const std::filesystem::path& home) {
    const std::pair<std::filesystem::path, const char*> inputs[] = {
        {options.parameters, "the parameter file"},
        {bases::TextBase::filePath(home), "the text base"},
        {bases::SetBase::filePath(home), "the enumeration base"},
        {app::settingsFilePath(home), "the settings file"},
        {home / "lang_dict.xml", "the translation dictionary"},
    };
    for (const auto& [input, name] : inputs) {
        std::error_code ec;
        if (std::filesystem::equivalent(options.output, input, ec)) return name;
    }
    return std::nullopt;
}

void printLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) out << cp1251::toUtf8(line) << '\n';
}

void listScaleMismatch(std::ostream& err, const std::vector<editing::ScaleMismatchRow>& rows) {
    err << kCommand << ": the scale coefficients of the profile and of the parameter file differ; choose "
        << kReplaceScales << " or " << kKeepScales << "\n";
    for (const editing::ScaleMismatchRow& row : rows) {
        if (row.valueDiffers)
            err << "  " << row.number << " value: " << cp1251::toUtf8(row.profileValue) << " -> "
                << cp1251::toUtf8(row.fileValue) << '\n';
        if (row.formatDiffers)
            err << "  " << row.number << " format: " << cp1251::toUtf8(row.profileFormat) << " -> "
                << cp1251::toUtf8(row.fileFormat) << '\n';
    }
}

}  // namespace

int loadDefaultsCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<LoadOptions> options = readOptions(arguments, context.err);
    if (!options) return kExitUsage;
    if (const std::optional<std::string> input = inputAtOutput(*options, context.home)) {
        context.err << kCommand << ": " << kOutputOption << ' ' << options->output << " is " << *input
                    << ", which the command reads\n";
        return kExitUsage;
    }

    // The profile as its file holds it: the saved result differs from it only by what is loaded.
    CliSession session(context);
    if (!session.loadBases() || !session.loadProfile(options->profile)) return kExitFailed;
    editing::ProfileDocument& document = session.document();
    const int savedConfiguration = document.profile().CurrSubProfile;
    if (options->configuration) {
        const int count = static_cast<int>(document.profile().configurations.size());
        if (*options->configuration < 0 || *options->configuration >= count) {
            context.err << kCommand << ": the profile has no configuration " << *options->configuration << '\n';
            return kExitFailed;
        }
        document.setCurrent(*options->configuration);
    }

    editing::ParameterFileReading reading = editing::readParameterFileAt(options->parameters, session.texts());
    if (reading.error) {
        context.err << kCommand << ": cannot read " << options->parameters << ": " << cp1251::toUtf8(*reading.error)
                    << '\n';
        return kExitFailed;
    }
    editing::ParameterFile& file = reading.file;
    if (options->selection) editing::selectParameters(file, *options->selection);

    const editing::ScaleComparison scales = editing::compareScaleCoefficients(file, document.profile().scaleNumbers);
    if (scales.differ) {
        if (options->replaceScales) {
            editing::replaceScaleCoefficients(document, scales, session.translator());
        } else if (!options->keepScales) {
            listScaleMismatch(context.err,
                              editing::scaleMismatchRows(scales, document.profile().scaleNumbers,
                                                         editing::unitLists(session.sets(), context.language)));
            return kExitFailed;
        }
    }

    app::Translator& translator = session.translator();
    printLines(context.out, editing::comparisonStartLines(translator));
    printLines(context.out,
               editing::compareParameters(file, document.profile(), {false, context.language}, translator).lines);
    printLines(context.out, editing::loadingStartLines(translator));
    editing::loadDefaults(document, file, translator);
    printLines(context.out, {editing::loadingEndLine(translator)});
    document.setCurrent(savedConfiguration);

    const xml::TOperationResult saved = document.save(options->output, session.sets());
    if (!saved.ok()) {
        context.err << kCommand << ": cannot save " << options->output << ": code " << saved.code << ": "
                    << cp1251::utf16ToUtf8(saved.message) << '\n';
        return kExitFailed;
    }
    context.out.flush();
    return context.out ? kExitDone : kExitFailed;
}

}  // namespace tabrin::cli
