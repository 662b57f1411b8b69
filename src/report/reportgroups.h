// Parameter groups in the report: which positions of the group enumeration are included, which
// rows belong to each, and how groups and rows are numbered.
#pragma once

#include <string>
#include <string_view>

#include "report/reportoptions.h"

namespace tabrin::bases {
class SetBase;
struct SetBaseElement;
}  // namespace tabrin::bases
namespace tabrin::model {
struct ProfileSettings;
}

namespace tabrin::report {

/// The position of the group "outside groups", which also collects every row whose group is
/// not a number or is negative. The user's group numbers are positions minus this.
inline constexpr int kOutsideGroupsPosition = 2;

/// The enumeration that names the profile's groups: the one of `group_set`, else the first of
/// the base; none in an empty base.
const bases::SetBaseElement* groupEnumeration(const model::ProfileSettings& settings, const bases::SetBase& sets);

/// Whether the group at `position` is written, by the group range and the outside-groups switch.
bool includesGroup(int position, const ReportOptions& options);

/// Whether a row whose object holds the group text `group` belongs to the group at `position`.
bool belongsToGroup(std::string_view group, int position);

/// "N. name" with the group's number, or the name alone for the first positions when they are
/// not numbered from zero.
std::string groupTitle(int position, std::string_view name, const ReportOptions& options);

/// "NN.MM" of the `row`-th row (from 1) of the group at `position`, or the row number alone for
/// the first positions when they are not numbered from zero.
std::string rowNumberText(int position, int row, const ReportOptions& options);

}  // namespace tabrin::report
