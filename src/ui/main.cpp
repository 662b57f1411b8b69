// Entry point of the program: the base export command, else the interactive editor.
#include <QFileInfo>

#include <iostream>
#include <optional>

#include "app/commandline.h"
#include "app/consolemessageport.h"
#include "app/localelanguage.h"
#include "app/paths.h"
#include "bases/baseexport.h"
#include "ui/mainwindow.h"
#include "ui/qtext.h"
#include "ui/qtfiledialogport.h"
#include "ui/qtmessageport.h"
#include "ui/tabrinapplication.h"
#include "ui/textstatswindow.h"

int main(int argc, char* argv[]) {
    using namespace tabrin;
    const std::optional<std::string> exportFolder = bases::exportTextsArgument(app::commandLineText(argc, argv));
    if (exportFolder) {
        app::ConsoleMessagePort port(std::cerr);
        return bases::runExportTexts(*exportFolder, app::programFolder(argv[0]), port);
    }

    ui::TabrinApplication application(argc, argv);
    ui::QtMessagePort port;
    ui::QtFileDialogPort dialogs;
    application.setExceptionHandling(&port, nullptr);
    try {
        ui::MainWindow mainWindow(app::programFolder(argv[0]), app::localeDefaultLanguage(), port, dialogs);
        application.setExceptionHandling(&port, &mainWindow.workspace().log);
        // A profile named on the command line (a new instance started for it) opens after login.
        if (argc > 1)
            mainWindow.setStartProfile(ui::fromQPath(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath()));
        ui::TextStatsWindow textStats(mainWindow.workspace().translator, &mainWindow);
        mainWindow.show();
        application.exec();
        application.setExceptionHandling(&port, nullptr);
    } catch (const std::exception& exception) {
        application.showException(exception.what());
    } catch (...) {
        application.showException({});
    }
    return 0;
}
