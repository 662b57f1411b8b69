// Entry point of the program: the base export command, else the interactive editor.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <system_error>

#include "app/commandline.h"
#include "app/consolemessageport.h"
#include "app/localelanguage.h"
#include "app/paths.h"
#include "bases/baseexport.h"
#include "ui/mainwindow.h"
#include "ui/qtfiledialogport.h"
#include "ui/qtmessageport.h"
#include "ui/tabrinapplication.h"
#include "ui/textstatswindow.h"

namespace {

constexpr const char* kUsage =
    "usage: tabrin4 [PROFILE]             the editor, opening PROFILE after the login\n"
    "       tabrin4 -export-texts [FOLDER] write the base export file into FOLDER (default: the home)\n";

// A switch other than -export-texts is no profile to open: the usage is printed instead, on
// standard output when it was asked for.
std::optional<int> answerSwitches(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') continue;
        const bool asked = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (asked) {
            std::cout << kUsage;
            return 0;
        }
        std::cerr << "tabrin4: unknown option " << argv[i] << '\n' << kUsage;
        return 2;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace tabrin;
    const std::optional<std::string> exportFolder = bases::exportTextsArgument(app::commandLineText(argc, argv));
    if (exportFolder) {
        app::ConsoleMessagePort port(std::cerr);
        return bases::exitCode(bases::runExportTexts(*exportFolder, app::programFolder(argv[0]), port));
    }
    if (const std::optional<int> exitCode = answerSwitches(argc, argv)) return *exitCode;

    ui::TabrinApplication application(argc, argv);
    ui::QtMessagePort port;
    ui::QtFileDialogPort dialogs;
    application.setExceptionHandling(&port, nullptr);
    try {
        ui::MainWindow mainWindow(app::programFolder(argv[0]), app::localeDefaultLanguage(), port, dialogs);
        application.setExceptionHandling(&port, &mainWindow.workspace().log);
        // A profile named on the command line (a new instance started for it) opens after login.
        if (argc > 1) {
            std::error_code ignored;
            mainWindow.setStartProfile(app::pathText(std::filesystem::absolute(argv[1], ignored).lexically_normal()));
        }
        ui::TextStatsWindow textStats(mainWindow.workspace().translator, &mainWindow);
        mainWindow.show();
        application.exec();
        application.setExceptionHandling(&port, nullptr);
    } catch (const std::bad_alloc&) {
        application.showException("Unable to allocate memory");
    } catch (const std::exception& exception) {
        application.showException(exception.what());
    } catch (...) {
        application.showException({});
    }
    return 0;
}
