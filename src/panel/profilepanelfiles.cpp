// The panel files a profile asks to be written whenever its controller file is generated.
#include "panel/profilepanelfiles.h"

#include "app/cp1251.h"
#include "app/formattext.h"
#include "app/paths.h"
#include "app/translator.h"
#include "model/profilesettings.h"
#include "panel/stopmessage.h"

namespace tabrin::panel {
namespace {

// The C panel types follow the three code-type choices of the profile settings.
constexpr int kFirstCodeType = static_cast<int>(PanelType::C28x);

// The labels under which the settings page shows the two paths.
constexpr std::string_view kHeaderFileLabel = "Заголовочный файл";
constexpr std::string_view kTextsFileLabel = "Си-файл";

// The file a path setting names, or an empty path (the user told, by the label of its field on the
// settings page) when it is not set.
std::filesystem::path settingFile(const std::string& pathSetting, std::string_view fieldLabel,
                                  const std::string& profileFile, const PanelEnvironment& environment) {
    if (!pathSetting.empty()) return app::nativePath(app::resolve(profileFile, app::pathFromStored(pathSetting)));
    app::Translator& translator = environment.services.translator;
    const std::string pattern = translator.translateText(
        cp1251::fromUtf8("В настройках профиля не задан путь файла текстов для ПУ (\"%s\")."));
    tellGenerationStopped(environment.services.port, translator, app::formatText(pattern, {translator.tr(fieldLabel)}));
    return {};
}

}  // namespace

bool panelFilesAskedFor(const model::ProfileSettings& settings) {
    return settings.GenPUTextsToFolder && settings.proc_series == model::ProcessorSeries::CCode;
}

bool writeProfilePanelFiles(const model::ProfileSettings& settings, const std::string& profileFile,
                            const PanelEnvironment& environment) {
    if (!panelFilesAskedFor(settings)) return true;
    const std::optional<PanelType> type = panelTypeFromNumber(settings.PUCodeType + kFirstCodeType);
    if (!type || isAssemblerType(*type)) {
        const std::string pattern =
            environment.services.translator.tr("Неизвестный тип кода ПУ в настройках профиля: %d.");
        tellGenerationStopped(environment.services.port, environment.services.translator,
                              app::formatText(pattern, {std::to_string(settings.PUCodeType)}));
        return false;
    }

    const std::filesystem::path headerFile =
        settingFile(settings.PUTextsHPath, kHeaderFileLabel, profileFile, environment);
    const bool headerWritten =
        !headerFile.empty() &&
        generatePanelHeader(*type, settings.PUTextsHInc, headerFile, environment).status == GenerationStatus::Generated;

    const std::filesystem::path textsFile =
        settingFile(settings.PUTextsCPath, kTextsFileLabel, profileFile, environment);
    if (textsFile.empty()) return false;
    const PanelTextsRequest request{{profileFile},
                                    *type,
                                    {settings.PUTextsType, enumerationKindOfChoice(settings.PUEnumsType),
                                     settings.PUUseOtherEnumIfNoGiven},
                                    settings.PUTextsCInc,
                                    textsFile};
    return generatePanelTexts(request, environment).status == GenerationStatus::Generated && headerWritten;
}

}  // namespace tabrin::panel
