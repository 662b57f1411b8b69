// One generation of a panel text file or of the panel header: from the user's choices to the
// text shown and the file written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/services.h"
#include "panel/generationprogress.h"
#include "panel/paneltype.h"
#include "panel/workingsets.h"

namespace tabrin::panel {

/// What every generation draws on besides the user's choices.
/// The services' port tells why a generation stops; their user is named in the file's head, and
/// the interface language chooses the item texts used instead of missing ones. The text base is
/// read afresh from the program folder by every generation.
struct PanelEnvironment {
    model::Services services;
    std::string dateTime;  // when the file is made, named in its head
    GenerationProgress progress;

    std::filesystem::path textBaseFile() const;
};

struct PanelTextsRequest {
    std::vector<std::string> profileFiles;  // path texts (app/paths.h), in the order given
    PanelType type = PanelType::C28x;
    PanelTextChoice choice;
    std::string include;               // the text after "#include" in C files; empty: the default
    std::filesystem::path outputFile;  // empty: the text is only shown
};

enum class GenerationStatus {
    Generated,
    NoProfiles,  // nothing was done
    Stopped,     // the user was told why; nothing to show, no file written
    NotWritten,  // the text was made, but the output file could not be written (the user was told)
};

struct GenerationResult {
    GenerationStatus status = GenerationStatus::Stopped;
    std::string text;  // every line followed by CR LF: what is shown and what the file holds
};

/// The lines each followed by CR LF; a line with line feeds of its own keeps them.
std::string joinedLines(const std::vector<std::string>& lines);

/// Generates the panel text file of the profile files. The progress runs from 0 to 100.
GenerationResult generatePanelTexts(const PanelTextsRequest& request, const PanelEnvironment& environment);

/// Generates the C header for `type`, declaring every enumeration of the enumeration base.
GenerationResult generatePanelHeader(PanelType type, std::string_view include,
                                     const std::filesystem::path& outputFile, const PanelEnvironment& environment);

}  // namespace tabrin::panel
