// Entry point of the program: the base export command, else the interactive editor.
#include <iostream>
#include <optional>

#include "app/commandline.h"
#include "app/consolemessageport.h"
#include "app/paths.h"
#include "bases/baseexport.h"

int main(int argc, char* argv[]) {
    using namespace tabrin;
    const std::optional<std::string> exportFolder = bases::exportTextsArgument(app::commandLineText(argc, argv));
    if (exportFolder) {
        app::ConsoleMessagePort port(std::cerr);
        return bases::runExportTexts(*exportFolder, app::programFolder(argv[0]), port);
    }
    std::cerr << "tabrin4: the editor window is not part of this build yet; "
                 "only \"tabrin4 -export-texts [FOLDER]\" runs.\n";
    return 1;
}
