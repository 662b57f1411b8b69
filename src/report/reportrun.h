// A report run: builds the document of prepared report content and writes it as a .docx file,
// reporting its progress and stopping when asked.
#pragma once

#include <filesystem>
#include <stop_token>

#include "report/documentwriter.h"
#include "report/reportcontent.h"
#include "report/reportprogress.h"

namespace tabrin::report {

enum class ReportStatus { Written, Stopped, CannotWrite };

/// Drives `writer` as the report drives the word processor: page, fonts and heading; then for
/// every table its title in bold, a header row shaded light grey and one row per parameter.
/// Reports progress when the tables begin and after every row, and tests `stop` before every row,
/// so also before a table begins. False when it stopped.
bool fillReportDocument(const ReportContent& content, DocumentWriter& writer, std::stop_token stop,
                        const ProgressCallback& progress);

/// Fills a document and writes it to `file`, passing it on to the package row by row so that it
/// is never held whole. A stopped run writes nothing, and a file that cannot be written is not
/// replaced, so an existing file stays as it was; errno then tells why.
ReportStatus writeReport(const ReportContent& content, const std::filesystem::path& file, std::stop_token stop,
                         const ProgressCallback& progress);

}  // namespace tabrin::report
