// The parameter file of the setup tool: any bytes read without a memory fault or undefined
// behaviour; what reads gives well-formed addresses, and the selection buttons and the scale
// comparison work on it.
#include "bases/textbase.h"
#include "editing/parametercomparison.h"
#include "editing/parameterfile.h"
#include "fuzzcheck.h"

namespace {

const tabrin::bases::TextBase& demoTexts() {
    static const tabrin::bases::TextBase texts = [] {
        tabrin::bases::TextBase loaded;
        tabrin::test::ScriptedMessagePort port;
        loaded.load(tabrin::bases::TextBase::filePath(DEMO_HOME_DIR), port);
        return loaded;
    }();
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabrin;
    editing::ParameterFileReading reading =
        editing::readParameterFile(fuzz::bytesOf(data, size), "fuzz.kvpx", demoTexts());
    for (const editing::Parameter& parameter : reading.file.parameters) {
        fuzz::require(parameter.index.size() == 5 && parameter.subindex.size() == 3, "addresses are well-formed");
    }
    const std::vector<model::ScaleNumber> profileScales(3);
    const editing::ScaleComparison scales = editing::compareScaleCoefficients(reading.file, profileScales);
    fuzz::require(scales.fromFile.size() == 32, "32 coefficients compared");
    editing::selectParameters(reading.file, editing::ParameterSelection::AllButStandard);
    for (const editing::Parameter& parameter : reading.file.parameters) {
        fuzz::require(!parameter.selected || parameter.selectable(), "only selectable parameters are selected");
    }
    return 0;
}
