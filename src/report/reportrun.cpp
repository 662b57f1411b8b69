// A report run: builds the document of prepared report content and writes it as a .docx file,
// reporting its progress and stopping when asked.
#include "report/reportrun.h"

#include <chrono>

#include "report/docxpackage.h"

namespace tabrin::report {
namespace {

constexpr double kFontSize = 9;
constexpr const char* kFontName = "Times New Roman";
constexpr PageMargins kMargins{56.7, 42.525, 42.525, 42.525};  // 2 cm left, 1.5 cm elsewhere
constexpr double kCellPadding = 2.835;                         // 0.1 cm
constexpr std::uint32_t kHeaderShading = 0xE0E0E0;             // light grey

void startTable(DocumentWriter& writer, const std::string& title, const std::vector<ReportColumn>& columns) {
    writer.typeParagraph();
    writer.typeText(title);
    writer.selectToLineStart();
    writer.setBold(true);
    writer.collapseToLineEnd();
    writer.typeParagraph();
    writer.setBold(false);

    writer.addTable(1, static_cast<int>(columns.size()));
    writer.setTablePadding(kCellPadding, kCellPadding);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const ReportColumn& column = columns[c];
        writer.selectCell(1, static_cast<int>(c) + 1);
        writer.setFontSize(kFontSize);
        writer.setParagraphAlignment(column.headerAlignment);
        writer.setCellVerticalAlignment(column.verticalAlignment);
        writer.setColumnBorders(LineStyle::Single);
        writer.setCellWidth(column.widthCm * kPointsPerCentimetre);
        writer.typeText(column.title);
        writer.setCellShading(kAutomaticColor, kHeaderShading);
    }
}

// Rows added after the header carry its formatting on; the first of them sets the data's own,
// which every later row then carries on.
void writeRow(DocumentWriter& writer, const std::vector<std::string>& cells, int tableRow,
              const std::vector<ReportColumn>& columns) {
    writer.moveToNextCell();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        writer.selectCell(tableRow, static_cast<int>(c) + 1);
        if (tableRow == 2) {
            writer.setFontSize(kFontSize);
            writer.setParagraphAlignment(columns[c].dataAlignment);
            writer.setCellVerticalAlignment(columns[c].verticalAlignment);
            writer.setCellShading(kAutomaticColor, kAutomaticColor);
        }
        writer.typeText(cells[c]);
    }
}

}  // namespace

bool fillReportDocument(const ReportContent& content, DocumentWriter& writer, std::stop_token stop,
                        const ProgressCallback& progress) {
    writer.setSpaceBefore(0);
    writer.setSpaceAfter(0);
    writer.setPageMargins(kMargins);
    writer.setFontSize(kFontSize);
    writer.setFontName(kFontName);
    writer.setParagraphAlignment(ParagraphAlignment::Left);
    writer.typeText(content.heading);
    if (!content.note.empty()) {
        writer.typeParagraph();
        writer.typeParagraph();
        writer.typeText(content.note);
    }
    writer.typeParagraph();

    const auto start = std::chrono::steady_clock::now();
    ReportProgress done{0, content.rowCount(), {}};
    const auto report = [&] {
        done.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        if (progress) progress(done);
    };
    report();
    for (const ReportTable& table : content.tables) {
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            if (stop.stop_requested()) return false;
            if (row == 0) startTable(writer, table.title, content.columns);
            writeRow(writer, table.rows[row], static_cast<int>(row) + 2, content.columns);
            ++done.rowsDone;
            report();
        }
        // Past the end of the last cell and of the last row: the paragraph after the table.
        writer.collapseToLineEnd();
        writer.moveRight(2);
    }
    return true;
}

ReportStatus writeReport(const ReportContent& content, const std::filesystem::path& file, std::stop_token stop,
                         const ProgressCallback& progress) {
    // The document goes into the package row by row as it is filled.
    DocxPackage package;
    DocumentWriter writer(package.document());
    if (!fillReportDocument(content, writer, std::move(stop), progress)) return ReportStatus::Stopped;
    writer.finish();
    return package.write(writer.document().margins, file).written() ? ReportStatus::Written
                                                                     : ReportStatus::CannotWrite;
}

}  // namespace tabrin::report
