// Everything a report writes, gathered from the profile before the document is built.
#pragma once

#include <string>
#include <vector>

#include "app/language.h"
#include "report/reportcolumns.h"
#include "report/reportoptions.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
class SetBase;
class TextBase;
}  // namespace tabrin::bases
namespace tabrin::model {
class Profile;
}

namespace tabrin::report {

/// The table of one group.
struct ReportTable {
    std::string title;
    std::vector<std::vector<std::string>> rows;  // the texts of the cells, in column order
};

/// Plain data: a run may build the document from it on a thread of its own. Texts are Windows-1251.
struct ReportContent {
    std::string heading;  // "Параметры профиля " and the profile's path
    std::string note;     // explains the numbers of the "№" column; empty without that column
    std::vector<ReportColumn> columns;
    std::vector<ReportTable> tables;  // one per included group that has rows, in group order

    int rowCount() const;
};

/// The rows of the objects of the profile's current view within the index range (roots left out),
/// placed in the tables of the included groups. Reads the profile, the bases and the translator,
/// so it runs where they live.
ReportContent prepareReport(const model::Profile& profile, const bases::TextBase& texts, const bases::SetBase& sets,
                            const ReportOptions& options, app::Language language, app::Translator& translator);

}  // namespace tabrin::report
