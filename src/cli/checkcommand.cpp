// check PROFILE [--config N]: the check before generation, listing every fault it finds.
#include <ostream>

#include "app/cp1251.h"
#include "app/integertext.h"
#include "app/messageport.h"
#include "cli/clicontext.h"
#include "cli/clisession.h"
#include "cli/commandarguments.h"
#include "model/profilecheck.h"

namespace tabrin::cli {
namespace {

constexpr std::string_view kCommand = "check";
constexpr std::string_view kConfigOption = "--config";

// Prints each question of the check as one line, group warnings marked, and answers "continue".
class FaultListingPort : public app::MessagePort {
public:
    FaultListingPort(std::ostream& out, std::string warningCaption)
        : m_out(out), m_warningCaption(std::move(warningCaption)) {}

    app::MessageAnswer ask(const app::Message& message) override {
        if (message.caption == m_warningCaption) m_out << "warning: ";
        m_out << cp1251::toUtf8(message.text) << '\n';
        return app::MessageAnswer::Yes;
    }

private:
    std::ostream& m_out;
    std::string m_warningCaption;
};

}  // namespace

int checkCommand(CliContext& context, const std::vector<std::string>& arguments) {
    const std::optional<FileArguments> parsed = parseFileArguments(kCommand, arguments, {kConfigOption}, context.err);
    if (!parsed) return kExitUsage;
    std::optional<int> configuration;
    if (const auto given = parsed->options.find(std::string(kConfigOption)); given != parsed->options.end()) {
        configuration = app::toInteger(given->second);
        if (!configuration) {
            context.err << kCommand << ": " << kConfigOption << " needs a configuration number, got " << given->second
                        << '\n';
            return kExitUsage;
        }
    }

    CliSession session(context);
    if (!session.loadBases() || !session.loadProfile(parsed->file)) return kExitFailed;
    const model::Profile& profile = session.profile();
    if (configuration) {
        if (*configuration < 0 || *configuration >= static_cast<int>(profile.configurations.size())) {
            context.err << kCommand << ": the profile has no configuration " << *configuration << '\n';
            return kExitFailed;
        }
        session.document().setCurrent(*configuration);
    }

    FaultListingPort port(context.out, model::groupWarningCaption(session.translator()));
    return model::checkProfile(profile, session.sets(), false, port, session.translator()) ? kExitDone : kExitFailed;
}

}  // namespace tabrin::cli
