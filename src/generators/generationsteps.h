// The steps every generation of a controller or EDS file shares: counting, the check, the texts
// of the file header, and joining the lines.
#pragma once

#include <string>
#include <vector>

#include "model/services.h"

namespace tabrin::model {
struct DictObject;
class Profile;
}  // namespace tabrin::model

namespace tabrin::generators {

/// 1 + the number of places where an object's index differs from the one before it (1 for an
/// empty view), as the controller expects its index count.
int indexCount(const std::vector<model::DictObject*>& view);

/// The check before generation, with its questions asked through the context's port. Returns
/// whether the profile may be generated.
bool passesCheck(const model::Profile& profile, const model::Services& context);

/// The name of the profile's current configuration; empty when it has none.
std::string currentConfigurationName(const model::Profile& profile);

/// The date and time of creation written into file headers: now, or SOURCE_DATE_EPOCH when set.
std::string creationTimeText();

/// The lines of a generated file joined into its text, with CR LF after every line.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace tabrin::generators
