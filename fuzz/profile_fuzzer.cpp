// The profile file: any bytes load without a memory fault; a profile that loads saves to a fixed
// point, and the controller file and the EDS file are generated from it with the demo bases.
#include "app/eventlog.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/profiledocument.h"
#include "editing/settingscommands.h"
#include "fuzzcheck.h"
#include "generators/controllerfile.h"
#include "generators/edsfile.h"
#include "model/profile.h"
#include "model/services.h"
#include "session/profileopening.h"

namespace tabrin::fuzz {
namespace {

struct DemoBases {
    DemoBases() {
        test::ScriptedMessagePort port = yesPort();
        require(texts.load(bases::TextBase::filePath(DEMO_HOME_DIR), port) && texts.readCleanly(), "the demo text base loads");
        require(sets.load(bases::SetBase::filePath(DEMO_HOME_DIR), port) && sets.readCleanly(),
                "the demo enumeration base loads");
    }

    bases::TextBase texts;
    bases::SetBase sets;
};

// Saving the profile, loading the saved file and saving that again gives the same file. False
// when the profile's own content refuses the first save.
bool checkSaveFixedPoint(editing::ProfileDocument& document, const bases::SetBase& sets, app::Translator& translator) {
    const std::filesystem::path first = scratchFolder() / "first.xml";
    const std::filesystem::path second = scratchFolder() / "second.xml";
    if (!document.save(first, sets).ok()) return false;
    model::Profile reloaded(translator, app::Language::Russian);
    require(reloaded.load(first).ok(), "a saved profile loads");
    require(reloaded.save(second, sets).ok(), "a reloaded profile can be saved");
    require(test::readFile(first) == test::readFile(second), "saving a reloaded profile gives the same file");
    return true;
}

// Opens the profile as the window does and generates both files. A generation may refuse the
// profile; it must not fail on memory or arithmetic.
void generate(editing::ProfileDocument& document, bases::TextBase& texts, const bases::SetBase& sets,
              app::Translator& translator) {
    // The folder copy would go where the profile says: the fuzzer writes only in its own folder.
    document.push(editing::settingsFieldChange(
        document.profile(), [](model::ProfileSettings& settings) { settings.GenVostCToFolder = false; }, translator));
    test::ScriptedMessagePort port = yesPort();
    session::prepareOpenedProfile(document, texts, {}, "fuzz", port, translator);
    const model::Profile& profile = document.profile();
    const model::Services context{sets, "fuzz", app::Language::Russian, translator, port, scratchFolder()};
    generators::generateControllerFile(profile, context);
    generators::generateEdsFile(profile, context, profile.header_text);
}

}  // namespace
}  // namespace tabrin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabrin;
    static const fuzz::DemoBases demo;
    app::Translator translator;
    bases::TextBase texts = demo.texts;  // opening may add texts for the vendor token
    app::EventLog log;  // never opened
    editing::ProfileDocument document(translator, app::Language::Russian, texts, log);
    const std::filesystem::path file = fuzz::scratchFolder() / "profile.xml";
    test::writeFile(file, fuzz::bytesOf(data, size));
    if (!document.load(file).ok()) return 0;
    if (!fuzz::checkSaveFixedPoint(document, demo.sets, translator)) return 0;
    fuzz::generate(document, texts, demo.sets, translator);
    return 0;
}
