// Comparing a parameter file with the open profile before its values become defaults: the scale
// coefficients first, then every selected parameter's format, text and address, with a line for
// each refusal; and loading the selected values into the view's objects as one command.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/parameterfile.h"
#include "model/scalenumber.h"

namespace tabrin::app {
class Translator;
}
namespace tabrin::model {
class Profile;
}

namespace tabrin::editing {

class ProfileDocument;

/// The file's scale coefficients (positions the file lacks keep the profile's) and where they differ.
struct ScaleComparison {
    bool differ = false;
    std::vector<model::ScaleNumber> fromFile;  // 32 coefficients
    std::uint32_t valueMask = 0;               // bit k: the value of coefficient k differs
};
ScaleComparison compareScaleCoefficients(const ParameterFile& file, const std::vector<model::ScaleNumber>& profile);

/// The lines that start a comparison, before the scale coefficients are compared.
std::vector<std::string> comparisonStartLines(app::Translator& translator);

/// The diagnostic lines of a comparison of the selected parameters with the profile's view; the
/// selection of every refused parameter is cleared.
struct ParameterComparison {
    std::vector<std::string> lines;
    int refused = 0;
};
ParameterComparison compareParameters(ParameterFile& file, const model::Profile& profile, const TreeNames& names,
                                      app::Translator& translator);

/// The profile's coefficients replaced by the file's (their descriptions kept), as one command.
void replaceScaleCoefficients(ProfileDocument& document, const ScaleComparison& comparison,
                              app::Translator& translator);

/// The lines before and after the loading of the defaults.
std::vector<std::string> loadingStartLines(app::Translator& translator);
std::string loadingEndLine(app::Translator& translator);

/// The values of the selected parameters become the defaults of the view's objects at their
/// addresses (first comma taken as the decimal point), as one command.
void loadDefaults(ProfileDocument& document, const ParameterFile& file, app::Translator& translator);

}  // namespace tabrin::editing
