// The event log (one timestamped line per user action, each written straight to the file) and the
// texts of dates and times.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tabrin::app {

/// Where the log takes the time of an entry from; tests give a fixed one.
using TimeSource = std::function<std::chrono::system_clock::time_point()>;

class EventLog {
public:
    EventLog();
    explicit EventLog(TimeSource clock);
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    /// Opens `file` for adding entries at its end, creating it when it is missing, and keeps it open
    /// until `close` or destruction; other runs of the program may add to the same file meanwhile.
    /// Returns false, leaving the log closed, when the file cannot be opened.
    bool open(const std::filesystem::path& file);
    void close();
    bool isOpen() const { return m_file >= 0; }

    /// Appends one entry: the local time as "yyyy-mm-dd hh:nn:ss: ", the message as given
    /// (Windows-1251, possibly several lines) and CR LF. The entry is in the file when the call
    /// returns. Does nothing while the log is closed; a failed write goes unnoticed.
    void writeLog(std::string_view message);

private:
    TimeSource m_clock;
    int m_file = -1;
};

/// `time` in local time as "dd.mm.yyyy hh:nn:ss".
std::string dateTimeText(std::chrono::system_clock::time_point time);

/// The current time, or the instant named by the environment variable SOURCE_DATE_EPOCH (seconds
/// since 1970-01-01 UTC) when it holds an integer, so that a generated file can be reproduced.
std::chrono::system_clock::time_point currentTime();

}  // namespace tabrin::app
