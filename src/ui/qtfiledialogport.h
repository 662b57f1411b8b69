// The core's file dialogs shown as the platform's file dialogs.
#pragma once

#include <QString>

#include <string_view>

#include "app/filedialogport.h"

namespace tabrin::ui {

/// Qt's name filters for a filter given as Windows writes it ("XML-файлы (*.xml)|*.xml|все файлы|*.*"
/// gives "XML-файлы (*.xml);;все файлы (*)").
QString qtNameFilters(std::string_view windowsFilter);

class QtFileDialogPort : public app::FileDialogPort {
public:
    std::optional<std::string> askOpenPath(const app::FileDialog& dialog) override;
    std::vector<std::string> askOpenPaths(const app::FileDialog& dialog) override;
    std::optional<std::string> askSavePath(const app::FileDialog& dialog) override;
};

}  // namespace tabrin::ui
