// The save dialog of the report: the file it proposes and the folder it remembers.
#include <gtest/gtest.h>

#include "app/paths.h"
#include "app/translator.h"
#include "report/reportfile.h"
#include "support/scriptedfiledialogport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::report {
namespace {

namespace fs = std::filesystem;
using test::w;

TEST(ReportFile, ProposesTheProfilesNameInTheRememberedFolderOrBesideTheProfile) {
    test::TempFolder home;
    fs::create_directories(home.path() / "Отчёты");
    const std::string profile = app::pathText(home.path() / "profiles" / "drive.v2.xml");
    const std::string reports = app::pathText(home.path() / "Отчёты");
    const struct {
        const char* name;
        std::string remembered;
        std::string proposed;
    } rows[] = {
        {"nothing remembered", "", app::pathText(home.path() / "profiles" / "drive.v2 - report.docx")},
        {"remembered folder", reports, reports + "/drive.v2 - report.docx"},
        {"remembered folder is gone", app::pathText(home.path() / "gone"),
         app::pathText(home.path() / "profiles" / "drive.v2 - report.docx")},
    };
    app::Translator russian;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::ScriptedFileDialogPort dialogs;  // cancelled
        std::string remembered = row.remembered;
        EXPECT_EQ(askReportFile(dialogs, profile, remembered, russian), std::nullopt);
        ASSERT_EQ(dialogs.asked().size(), 1u);
        EXPECT_EQ(dialogs.asked()[0], (app::FileDialog{w("Сохранить отчёт"),
                                                       w("Документы Word (*.docx)|*.docx|все файлы|*.*"),
                                                       row.proposed, "docx"}));
        EXPECT_EQ(remembered, row.remembered) << "a cancelled dialog remembers nothing";
    }
}

TEST(ReportFile, TheChosenFilesFolderIsRemembered) {
    test::TempFolder home;
    const std::string chosen = app::pathText(home.path() / "Отчёты" / "привод.docx");
    test::ScriptedFileDialogPort dialogs({chosen});
    std::string remembered = "/elsewhere";
    app::Translator russian;
    EXPECT_EQ(askReportFile(dialogs, "/p/drive.xml", remembered, russian), chosen);
    EXPECT_EQ(remembered, app::pathText(home.path() / "Отчёты"));
}

}  // namespace
}  // namespace tabrin::report
