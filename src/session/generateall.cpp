// "Генерировать всё": the controller file of every configuration after the base profile, for each
// CAN module of the controller, written into one folder.
#include "session/generateall.h"

#include <map>
#include <utility>

#include "app/messageport.h"
#include "app/paths.h"
#include "editing/viewfill.h"
#include "generators/controllerfile.h"
#include "generators/filenaming.h"
#include "generators/generationsteps.h"
#include "generators/savedfile.h"
#include "model/profile.h"

namespace tabrin::session {
namespace {

// The check asks the same questions of a configuration under every module: the answers given for
// the first module are given again, and only a question not asked before reaches the user.
class RepeatedAnswers : public app::MessagePort {
public:
    explicit RepeatedAnswers(app::MessagePort& port) : m_port(port) {}

    app::MessageAnswer ask(const app::Message& message) override {
        for (const auto& [asked, answer] : m_answers) {
            if (asked == message) return answer;
        }
        const app::MessageAnswer answer = m_port.ask(message);
        m_answers.emplace_back(message, answer);
        return answer;
    }

private:
    app::MessagePort& m_port;
    std::vector<std::pair<app::Message, app::MessageAnswer>> m_answers;
};

// The profile with `position` current, its view as opening and generating leave it.
model::Profile configurationView(const model::Profile& profile, int position, const bases::TextBase& texts) {
    model::Profile view = profile;
    view.setCurrent(position);
    editing::fillView(view, texts);
    view.takeScaleCoefficients();
    view.settings.GenVostCToFolder = false;  // the files of the run go to its folder alone
    return view;
}

// Generates and writes the file; its outcome goes into `file`, the text written is returned.
std::string writeConfigurationFile(const model::Profile& view, const model::Services& context, ConfigurationFile& file) {
    generators::ControllerFile generated = generators::generateControllerFile(view, context);
    if (generated.status == generators::GenerationStatus::Refused) {
        file.outcome = ConfigurationOutcome::Refused;
        return {};
    }
    std::string error = generated.status == generators::GenerationStatus::Failed
                            ? std::move(generated.error)
                            : generators::saveGeneratedFile(file.path, generated.text);
    if (error.empty()) return std::move(generated.text);
    file.outcome = ConfigurationOutcome::Failed;
    file.detail = std::move(error);
    return {};
}

}  // namespace

std::vector<int> controllerModules(const model::ProfileSettings& settings) {
    if (settings.prefix == 1 || settings.prefix == 2) return {1, 2};
    return {0};
}

std::vector<ConfigurationFile> generateAllConfigurations(const model::Profile& profile, const bases::TextBase& texts,
                                                         const model::Services& services,
                                                         const std::vector<int>& modules,
                                                         const std::filesystem::path& folder,
                                                         const ConfigurationFileListener& listener) {
    std::vector<ConfigurationFile> results;
    std::map<std::string, std::string> writers;  // file name → the configuration that wrote it
    for (int position = 1; position < static_cast<int>(profile.configurations.size()); ++position) {
        model::Profile view = configurationView(profile, position, texts);
        RepeatedAnswers answers(services.port);
        const model::Services context{services.sets,      services.user, services.language,
                                      services.translator, answers,       services.programFolder};
        for (const int module : modules) {
            view.settings.prefix = module;
            ConfigurationFile file;
            file.configuration = position;
            file.name = generators::currentConfigurationName(view);
            file.module = module;
            file.fileName = generators::controllerFileBaseName(view);
            file.path = folder / app::nativePath(app::pathFromStored(file.fileName));
            std::string text;
            if (const auto writer = writers.find(file.fileName); writer != writers.end()) {
                file.outcome = ConfigurationOutcome::NameTaken;
                file.detail = writer->second;
            } else {
                text = writeConfigurationFile(view, context, file);
                if (file.outcome == ConfigurationOutcome::Written) writers.emplace(file.fileName, file.name);
            }
            if (listener) listener(file, text);
            results.push_back(std::move(file));
            if (results.back().outcome == ConfigurationOutcome::Refused) break;
        }
    }
    return results;
}

}  // namespace tabrin::session
