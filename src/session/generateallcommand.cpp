// The "Генерировать всё" button of the main window as a flow over the workspace: the controller
// file of every configuration into the folder of the controller file, and what the user is told.
#include "session/generateallcommand.h"

#include <algorithm>
#include <string>

#include "app/formattext.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "generators/filenaming.h"
#include "generators/generationdelivery.h"
#include "session/workspace.h"

namespace tabrin::session {
namespace {

void tellError(Workspace& workspace, app::MessagePort& port, const std::string& text) {
    port.ask({workspace.translator.tr("Ошибка"), text, app::MessageButtons::Ok, app::MessageIcon::Error});
}

std::string shown(const std::filesystem::path& path) { return app::shownPath(app::pathText(path)); }

std::string logLine(const ConfigurationFile& file) {
    const std::string module = std::to_string(file.module);
    switch (file.outcome) {
    case ConfigurationOutcome::Written:
        return app::formatText("Dictionary of configuration '%s' for CAN module %d saved to file: %s",
                               {file.name, module, shown(file.path)});
    case ConfigurationOutcome::Refused:
        return app::formatText("Configuration '%s' skipped: the check before generation failed", {file.name});
    case ConfigurationOutcome::Failed:
        return app::formatText("Configuration '%s' for CAN module %d skipped: %s", {file.name, module, file.detail});
    case ConfigurationOutcome::NameTaken:
        return app::formatText("Configuration '%s' for CAN module %d skipped: file %s was saved for configuration '%s'",
                               {file.name, module, shown(file.path), file.detail});
    }
    return {};
}

// One line of the final message for a configuration left out.
std::string skippedLine(const ConfigurationFile& file, app::Translator& translator) {
    const std::string module = std::to_string(file.module);
    switch (file.outcome) {
    case ConfigurationOutcome::Written: break;
    case ConfigurationOutcome::Refused:
        return app::formatText(translator.tr("'%s': профиль не прошёл проверку перед генерацией"), {file.name});
    case ConfigurationOutcome::Failed:
        return app::formatText(translator.tr("'%s', модуль CAN %d: %s"), {file.name, module, file.detail});
    case ConfigurationOutcome::NameTaken:
        return app::formatText(translator.tr("'%s', модуль CAN %d: файл %s уже записан для конфигурации '%s'"),
                               {file.name, module, file.fileName, file.detail});
    }
    return {};
}

app::Message summary(const std::vector<ConfigurationFile>& files, const std::filesystem::path& folder,
                     app::Translator& translator) {
    std::string written;
    std::string skipped;
    for (const ConfigurationFile& file : files) {
        if (file.outcome == ConfigurationOutcome::Written) {
            written += "\r\n    " + file.fileName;
        } else {
            skipped += "\r\n    " + skippedLine(file, translator);
        }
    }
    std::string text = app::formatText(translator.tr("Папка: %s"), {shown(folder)}) + "\r\n\r\n";
    text += written.empty() ? translator.tr("Ни один файл не записан.") : translator.tr("Записаны файлы:") + written;
    if (!skipped.empty()) text += "\r\n\r\n" + translator.tr("Пропущены конфигурации:") + skipped;
    return {translator.tr("Готово"), text, app::MessageButtons::Ok,
            skipped.empty() ? app::MessageIcon::None : app::MessageIcon::Warning};
}

}  // namespace

std::vector<ConfigurationFile> runGenerateAllCommand(Workspace& workspace, app::MessagePort& port,
                                                     const WindowServices& services) {
    const model::Profile& profile = workspace.profile;
    if (profile.settings.proc_series == model::ProcessorSeries::Assembler) {
        tellError(workspace, port, workspace.translator.tr("Файлы всех конфигураций генерируются только для Си-кода."));
        return {};
    }
    const std::string target = generators::controllerFileName(profile);
    if (target.empty()) {
        tellError(workspace, port,
                  workspace.translator.tr("Папка для файла словаря не задана или не существует. Задайте её на "
                                          "странице \"Настройки профиля\"."));
        return {};
    }
    const std::filesystem::path folder = app::nativePath(target).parent_path();
    std::string logCopyError;
    const std::vector<ConfigurationFile> files = generateAllConfigurations(
        profile, workspace.texts, workspace.services(port), controllerModules(profile.settings), folder,
        [&](const ConfigurationFile& file, std::string_view text) {
            workspace.log.writeLog(logLine(file));
            // A log folder that takes no copy takes none of the next ones either: it is told once.
            if (file.outcome != ConfigurationOutcome::Written || !logCopyError.empty()) return;
            logCopyError =
                generators::saveControllerLogCopy(workspace.programFolder, file.module, text, workspace.log).error;
        });
    port.ask(summary(files, folder, workspace.translator));
    if (!logCopyError.empty()) tellError(workspace, port, logCopyError);
    const bool anyWritten = std::any_of(files.begin(), files.end(), [](const ConfigurationFile& file) {
        return file.outcome == ConfigurationOutcome::Written;
    });
    if (anyWritten && workspace.settings.saveAtGeneration) services.saveProfile();
    return files;
}

}  // namespace tabrin::session
