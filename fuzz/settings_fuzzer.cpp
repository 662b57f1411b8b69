// The settings file: any bytes read without a memory fault; writing the settings read, reading
// the file back and writing again gives the same settings and the same file.
#include "app/settings.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabrin;
    const std::filesystem::path file = app::settingsFilePath(fuzz::scratchFolder());
    test::writeFile(file, fuzz::bytesOf(data, size));
    const app::Settings read = app::readSettings(file, app::progLanguageRussian);
    if (!app::writeSettings(file, read).empty()) return 0;
    const std::string first = test::readFile(file);
    const app::Settings reread = app::readSettings(file, app::progLanguageRussian);
    fuzz::require(reread == read, "written settings read back the same");
    fuzz::require(app::writeSettings(file, reread).empty(), "a written settings file can be written again");
    fuzz::require(test::readFile(file) == first, "writing reread settings gives the same file");
    return 0;
}
