// The window "Загрузка параметров из файла в качестве дефолтных значений текущего профиля" as data:
// the profile's objects and a parameter file's parameters as two trees, the selection made in the
// file's tree, the comparison with its questions and diagnostic lines, and the loading of the
// selected values as defaults of the open profile.
#pragma once

#include <string>
#include <vector>

#include "app/language.h"
#include "editing/parameterfile.h"
#include "editing/parametertree.h"

namespace tabrin::app {
class FileDialogPort;
class MessagePort;
class Translator;
struct Settings;
}  // namespace tabrin::app
namespace tabrin::bases {
class SetBase;
class TextBase;
}  // namespace tabrin::bases

namespace tabrin::editing {

class ProfileDocument;

class ParameterLoading {
public:
    /// `settings` keeps the folder of the last parameter file (KelvoParamsPath).
    ParameterLoading(ProfileDocument& document, const bases::TextBase& texts, const bases::SetBase& sets,
                     app::Settings& settings, app::MessagePort& port, app::Translator& translator,
                     app::Language language);

    /// Showing the window: hierarchy "Гр", nothing loaded or compared, the profile's tree built.
    void show();
    /// Closing the window empties both lists.
    void close();

    /// The tool button: the open dialog in the folder of the last parameter file, then the file read.
    void openFile(app::FileDialogPort& dialogs);
    /// Reads the parameter file at `path` (a path text). A file that cannot be read is told through
    /// the port and changes nothing: a file loaded before stays loaded. True when it was read.
    bool loadFile(const std::string& path);

    /// The hierarchy and the names redraw both trees; the selection stays.
    void setMode(HierarchyMode mode);
    HierarchyMode mode() const { return m_mode; }
    void setShortNames(bool shortNames);
    bool shortNames() const { return m_names.shortNames; }

    /// A right click on node `node` of the file's tree.
    void toggle(int node);
    /// The four selection buttons; they act only while a file is loaded.
    void select(ParameterSelection selection);

    /// "<= Сравнение =>"
    void compare();
    /// "Загрузить параметры в профиль"
    void loadIntoProfile();

    /// What the window's 100 ms timer brings up to date: the selection buttons work only while a
    /// file is loaded.
    bool selectionButtonsEnabled() const { return m_loaded; }

    bool fileLoaded() const { return m_loaded; }
    bool compared() const { return m_compared; }
    const ParameterFile& file() const { return m_file; }
    const std::vector<Parameter>& profileList() const { return m_profileList; }
    const ParameterTree& fileTree() const { return m_fileTree; }
    const ParameterTree& profileTree() const { return m_profileTree; }
    /// The single entry of the file's tree while no file is loaded.
    std::string emptyFileTreeText() const;
    /// The lines of the diagnostic area.
    const std::vector<std::string>& diagnostics() const { return m_lines; }

private:
    void buildProfileList();
    void drawFileTree();
    void drawProfileTree();
    std::vector<std::string> groupNames(const std::string& setNumber) const;
    void tell(const char* text);
    void write(const std::vector<std::string>& lines);

    ProfileDocument& m_document;
    const bases::TextBase& m_texts;
    const bases::SetBase& m_sets;
    app::Settings& m_settings;
    app::MessagePort& m_port;
    app::Translator& m_translator;
    app::Language m_language;

    HierarchyMode m_mode = HierarchyMode::Groups;
    TreeNames m_names;
    ParameterFile m_file;
    bool m_loaded = false;
    bool m_compared = false;
    std::vector<Parameter> m_profileList;
    ParameterTree m_fileTree;
    ParameterTree m_profileTree;
    std::vector<std::string> m_lines;
};

}  // namespace tabrin::editing
