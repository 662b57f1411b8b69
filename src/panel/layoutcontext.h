// What a panel layout writes besides its tables: the comment head of the file with its
// translated texts, the include line, and the progress of the generation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/translator.h"
#include "panel/generationprogress.h"
#include "panel/panelfile.h"

namespace tabrin::panel {

/// The lines that open and close the comment head of the C files.
inline constexpr std::string_view kCCommentOpen = "/************************************************************";
inline constexpr std::string_view kCCommentClose = "************************************************************/";

struct LayoutContext {
    const PanelEnvironment& environment;  // the translation, the user, when the file is made, the progress
    std::vector<std::string> profileFiles;  // path texts (app/paths.h), in the order given
    std::string panelTypeName;
    std::string include;  // the text after "#include"; empty: the layout's default

    app::Translator& translator() const { return environment.services.translator; }
    const GenerationProgress& progress() const { return environment.progress; }

    /// "* для профиля(й) *" and, for each profile file, a line feed, "* ", the path and " *".
    std::string profilesLine() const;
    /// "* Дата создания: " and the date and time, then `end`.
    std::string dateLine(std::string_view end) const;
    /// "* Пользователь: " and the user, then `end`.
    std::string userLine(std::string_view end) const;
    /// "#include " and the include, or `defaultInclude` when none is given.
    std::string includeLine(std::string_view defaultInclude) const;
};

}  // namespace tabrin::panel
