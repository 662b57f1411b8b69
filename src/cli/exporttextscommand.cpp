// export-texts [FOLDER]: writes the base export file, as the program's -export-texts switch does.
#include "app/consolemessageport.h"
#include "app/cp1251.h"
#include "bases/baseexport.h"
#include "cli/clicontext.h"

#include <ostream>

namespace tabrin::cli {

int exportTextsCommand(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() > 1) {
        context.err << "export-texts takes at most one folder\n";
        return kExitUsage;
    }
    // Folder names keep their case here: Linux file names are case-sensitive.
    const std::string folder = arguments.empty() ? std::string() : cp1251::fromUtf8(arguments.front());
    app::ConsoleMessagePort port(context.err);
    const bases::ExportResult result = bases::runExportTexts(folder, context.home, port);
    if (result == bases::ExportResult::BasesUnread)
        context.err << "export-texts: the bases of " << context.home << " could not be exported\n";
    return result == bases::ExportResult::Written ? kExitDone : kExitFailed;
}

}  // namespace tabrin::cli
