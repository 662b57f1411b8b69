// The steps every generation of a controller or EDS file shares: counting, the check, the texts
// of the file header, and joining the lines.
#include "generators/generationsteps.h"

#include "app/eventlog.h"
#include "generators/generationstatus.h"
#include "model/profile.h"
#include "model/profilecheck.h"
#include "model/services.h"

namespace tabrin::generators {

int indexCount(const std::vector<model::DictObject*>& view) {
    int count = 1;
    for (std::size_t i = 1; i < view.size(); ++i) {
        if (view[i]->index != view[i - 1]->index) ++count;
    }
    return count;
}

bool passesCheck(const model::Profile& profile, const model::Services& context) {
    return model::checkProfile(profile, context.sets, false, context.port, context.translator);
}

std::string currentConfigurationName(const model::Profile& profile) {
    const auto position = static_cast<std::size_t>(profile.CurrSubProfile);
    return position < profile.configurations.size() ? profile.configurations[position].name : std::string();
}

std::string creationTimeText() { return app::dateTimeText(app::currentTime()); }

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace tabrin::generators
