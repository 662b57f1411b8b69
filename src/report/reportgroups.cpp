// Parameter groups in the report: which positions of the group enumeration are included, which
// rows belong to each, and how groups and rows are numbered.
#include "report/reportgroups.h"

#include <cstdio>
#include <optional>

#include "app/integertext.h"
#include "bases/setbase.h"
#include "model/profilesettings.h"

namespace tabrin::report {
namespace {

// The group's number as the user sees it, or nothing for the positions shown without one.
std::optional<int> groupNumber(int position, const ReportOptions& options) {
    if (options.groupsFromZero) return position;
    if (position > kOutsideGroupsPosition) return position - kOutsideGroupsPosition;
    return std::nullopt;
}

}  // namespace

const bases::SetBaseElement* groupEnumeration(const model::ProfileSettings& settings, const bases::SetBase& sets) {
    if (const bases::SetBaseElement* set = sets.findSet(settings.group_set)) return set;
    return sets.elements().empty() ? nullptr : &sets.elements().front();
}

bool includesGroup(int position, const ReportOptions& options) {
    // Compared as the user's numbers, so that no bound is shifted past the end of the int range.
    const int userNumber = position - kOutsideGroupsPosition;
    if (userNumber < options.startGroup || userNumber > options.endGroup) return false;
    return position != kOutsideGroupsPosition || options.outsideGroup;
}

bool belongsToGroup(std::string_view group, int position) {
    const std::optional<int> number = app::toInteger(group);
    if (!number || *number < 0) return position == kOutsideGroupsPosition;
    return *number == position;
}

std::string groupTitle(int position, std::string_view name, const ReportOptions& options) {
    const std::optional<int> number = groupNumber(position, options);
    return number ? std::to_string(*number) + ". " + std::string(name) : std::string(name);
}

std::string rowNumberText(int position, int row, const ReportOptions& options) {
    const std::optional<int> number = groupNumber(position, options);
    if (!number) return std::to_string(row);
    char text[32];
    std::snprintf(text, sizeof text, "%.2d.%.2d", *number, row);
    return text;
}

}  // namespace tabrin::report
