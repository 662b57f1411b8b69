// panel-encode TEXT: the words of a text in the panel's character codes, as the control-panel
// page's free-text field shows them.
#include <ostream>

#include "app/cp1251.h"
#include "cli/clicontext.h"
#include "panel/panelfile.h"
#include "panel/panelwords.h"

namespace tabrin::cli {

int panelEncodeCommand(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        context.err << "panel-encode takes one text\n";
        return kExitUsage;
    }
    context.out << panel::joinedLines(panel::freeTextLines(cp1251::fromUtf8(arguments.front())));
    return kExitDone;
}

}  // namespace tabrin::cli
