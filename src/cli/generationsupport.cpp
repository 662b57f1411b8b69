// What the generate and eds commands share: the profile opened as the window opens it, the
// generation context over it, and the bytes written to a file or standard output.
#include "cli/generationsupport.h"

#include <ostream>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "generators/savedfile.h"

namespace tabrin::cli {

std::optional<std::string> optionValue(const FileArguments& arguments, std::string_view option) {
    const auto found = arguments.options.find(std::string(option));
    if (found == arguments.options.end()) return std::nullopt;
    return found->second;
}

int openForGeneration(CliContext& context, std::string_view command, const FileArguments& arguments,
                      CliSession& session) {
    std::optional<int> configuration;
    if (const std::optional<std::string> given = optionValue(arguments, kConfigOption)) {
        configuration = app::toInteger(*given);
        if (!configuration) {
            context.err << command << ": " << kConfigOption << " needs a configuration number, got " << *given << '\n';
            return kExitUsage;
        }
    }
    if (!session.loadBases() || !session.openProfile(arguments.file, configuration)) return kExitFailed;
    // Choosing a configuration that does not exist falls back to the base profile.
    if (configuration && session.profile().CurrSubProfile != *configuration) {
        context.err << command << ": the profile has no configuration " << *configuration << '\n';
        return kExitFailed;
    }
    return kExitDone;
}

bool writeOutput(CliContext& context, std::string_view command, const std::optional<std::string>& file,
                 std::string_view bytes) {
    if (!file) {
        context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        context.out.flush();
        return static_cast<bool>(context.out);
    }
    const std::string error = generators::saveGeneratedFile(*file, bytes);
    if (!error.empty()) context.err << command << ": " << cp1251::toUtf8(error) << '\n';
    return error.empty();
}

}  // namespace tabrin::cli
