// What the generate commands hand the user after a generation: the numbered copy of the controller
// file in the log folder, and the messages that say where the files went.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/messageport.h"

namespace tabrin::app {
class EventLog;
class Translator;
}  // namespace tabrin::app

namespace tabrin::generators {

struct ControllerFile;

/// The name of the next copy of a controller file in `logFolder`: "vost_", "vost1_" or "vost2_" by
/// the CAN module, then the smallest number from 1 that names no file there yet, then ".c".
std::string controllerLogCopyName(const std::filesystem::path& logFolder, int prefix);

struct LogCopy {
    std::string name;   // the copy's file name, without folder; empty when nothing was saved
    std::string error;  // why the copy could not be saved; empty when it was, or when the log is closed
};

/// While the event log is open, saves `text` as the next copy in the folder "Log" of
/// `programFolder`, followed by one more line break, and logs its name.
LogCopy saveControllerLogCopy(const std::filesystem::path& programFolder, int prefix, std::string_view text,
                              app::EventLog& log);

/// "Готово": where the controller file went (its folder copy, if written) and that its text is on
/// the clipboard.
app::Message controllerFileDoneMessage(const ControllerFile& file, app::Translator& translator);

/// "Готово": where the EDS file was written.
app::Message edsFileDoneMessage(std::string_view path, app::Translator& translator);

}  // namespace tabrin::generators
