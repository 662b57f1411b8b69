// The event log (one timestamped line per user action, each written straight to the file) and the
// texts of dates and times.
#include "app/eventlog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

namespace tabrin::app {
namespace {

std::string localTimeText(std::chrono::system_clock::time_point time, const char* format) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

}  // namespace

EventLog::EventLog() : EventLog([] { return std::chrono::system_clock::now(); }) {}

EventLog::EventLog(TimeSource clock) : m_clock(std::move(clock)) {}

EventLog::~EventLog() { close(); }

bool EventLog::open(const std::filesystem::path& file) {
    close();
    // Each entry goes to the end of the file as it is then, after what another run wrote.
    m_file = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    return isOpen();
}

void EventLog::close() {
    if (!isOpen()) return;
    ::close(m_file);
    m_file = -1;
}

void EventLog::writeLog(std::string_view message) {
    if (!isOpen()) return;
    // One write call per entry and no buffer of our own: the entry survives a crash that follows it.
    const std::string entry = localTimeText(m_clock(), "%Y-%m-%d %H:%M:%S: ") + std::string(message) + "\r\n";
    std::string_view rest = entry;
    while (!rest.empty()) {
        const ssize_t written = ::write(m_file, rest.data(), rest.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::string dateTimeText(std::chrono::system_clock::time_point time) {
    return localTimeText(time, "%d.%m.%Y %H:%M:%S");
}

std::chrono::system_clock::time_point currentTime() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        const char* end = epoch + std::strlen(epoch);
        using std::chrono::seconds;
        constexpr auto latest = std::chrono::duration_cast<seconds>(std::chrono::system_clock::duration::max()).count();
        seconds::rep value = 0;
        const auto [stop, error] = std::from_chars(epoch, end, value);
        if (error == std::errc() && stop == end && value >= -latest && value <= latest)
            return std::chrono::system_clock::time_point(seconds(value));
    }
    return std::chrono::system_clock::now();
}

}  // namespace tabrin::app
