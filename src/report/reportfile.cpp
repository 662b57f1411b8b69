// Where the parameter report is saved: the save dialog proposing a file beside the profile, and
// the folder remembered for the next report.
#include "report/reportfile.h"

#include <filesystem>
#include <system_error>

#include "app/cp1251.h"
#include "app/filedialogport.h"
#include "app/paths.h"
#include "app/translator.h"

namespace tabrin::report {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTitle = "Сохранить отчёт";
constexpr std::string_view kFilter = "Документы Word (*.docx)|*.docx|все файлы|*.*";
constexpr std::string_view kNameEnd = " - report.docx";
constexpr std::string_view kExtension = "docx";

fs::path proposedFolder(const fs::path& profile, std::string_view rememberedFolder) {
    std::error_code ignored;
    if (!rememberedFolder.empty() && fs::is_directory(app::nativePath(rememberedFolder), ignored))
        return app::nativePath(rememberedFolder);
    return profile.parent_path();
}

}  // namespace

std::optional<std::string> askReportFile(app::FileDialogPort& dialogs, std::string_view profilePath,
                                         std::string& rememberedFolder, app::Translator& translator) {
    const fs::path profile = app::nativePath(profilePath);
    const fs::path proposed =
        proposedFolder(profile, rememberedFolder) / (profile.stem().string() + std::string(kNameEnd));
    std::optional<std::string> chosen =
        dialogs.askSavePath({translator.tr(kTitle), cp1251::fromUtf8(kFilter),
                             app::pathText(proposed), std::string(kExtension)});
    if (chosen) rememberedFolder = app::pathText(app::nativePath(*chosen).parent_path());
    return chosen;
}

}  // namespace tabrin::report
