// A program folder for a GUI test: the demo home's bases and profile, a settings file, a log folder.
#pragma once

#include <filesystem>
#include <string>

#include "app/paths.h"
#include "support/tempfolder.h"

namespace tabrin::test {

class TestHome {
public:
    /// `ini` is the settings file's text; `below` the home's path inside the temporary folder.
    explicit TestHome(const std::string& ini = "[Options]\r\nProgLanguage=0\r\n",
                      const std::filesystem::path& below = {})
        : m_path(below.empty() ? m_folder.path() : m_folder.path() / below) {
        namespace fs = std::filesystem;
        const fs::path demo = DEMO_HOME_DIR;
        fs::create_directories(path());
        fs::copy(demo / "xml_DB", path() / "xml_DB", fs::copy_options::recursive);
        fs::copy(demo / "profiles", path() / "profiles", fs::copy_options::recursive);
        fs::create_directories(path() / "Log");
        writeFile(path() / "Tabrin4.INI", ini);
    }

    const std::filesystem::path& path() const { return m_path; }

    /// The path text of a profile in the folder "profiles", copied from the demo profile under `name`.
    std::string profile(const std::string& name = "demo_drive.xml") const {
        const std::filesystem::path file = path() / "profiles" / name;
        if (!std::filesystem::exists(file)) std::filesystem::copy_file(path() / "profiles" / "demo_drive.xml", file);
        return app::pathText(file);
    }

private:
    TempFolder m_folder;
    std::filesystem::path m_path;
};

}  // namespace tabrin::test
