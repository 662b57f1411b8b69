// The window "Загрузка параметров из файла в качестве дефолтных значений текущего профиля" as data:
// the profile's objects and a parameter file's parameters as two trees, the selection made in the
// file's tree, the comparison with its questions and diagnostic lines, and the loading of the
// selected values as defaults of the open profile.
#include "editing/parameterloading.h"

#include <system_error>

#include "app/cp1251.h"
#include "app/filedialogport.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "app/settings.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/defaultinfo.h"
#include "editing/parametercomparison.h"
#include "editing/profiledocument.h"
#include "editing/scalemismatch.h"

namespace tabrin::editing {

ParameterLoading::ParameterLoading(ProfileDocument& document, const bases::TextBase& texts, const bases::SetBase& sets,
                                   app::Settings& settings, app::MessagePort& port, app::Translator& translator,
                                   app::Language language)
    : m_document(document),
      m_texts(texts),
      m_sets(sets),
      m_settings(settings),
      m_port(port),
      m_translator(translator),
      m_language(language) {
    m_names.language = language;
}

void ParameterLoading::show() {
    m_mode = HierarchyMode::Groups;
    m_loaded = false;
    m_compared = false;
    m_file = {};
    m_fileTree = {};
    buildProfileList();
    drawProfileTree();
    m_lines = {m_translator.tr("Словарь-приемник параметров по умолчанию загружен")};
}

void ParameterLoading::close() {
    m_file = {};
    m_profileList.clear();
    m_fileTree = {};
    m_profileTree = {};
    m_loaded = false;
    m_compared = false;
}

std::string ParameterLoading::emptyFileTreeText() const { return m_translator.tr("Загрузите словарь из файла"); }

void ParameterLoading::openFile(app::FileDialogPort& dialogs) {
    const std::optional<std::string> chosen = dialogs.askOpenPath(
        {m_translator.tr("Открыть"), "Kelvo Parameters Xml files (*.kvpx)|*.kvpx", m_settings.kelvoParamsPath, "kvpx"});
    if (!chosen) return;
    std::error_code error;
    if (std::filesystem::exists(app::nativePath(*chosen), error))
        m_settings.kelvoParamsPath = app::pathText(app::nativePath(*chosen).parent_path());
    loadFile(*chosen);
}

bool ParameterLoading::loadFile(const std::string& path) {
    ParameterFileReading reading = readParameterFileAt(app::nativePath(path), m_texts);
    if (reading.error) {
        m_port.ask({m_translator.tr("Ошибка"), *reading.error, app::MessageButtons::Ok, app::MessageIcon::Warning});
        return false;
    }
    m_file = std::move(reading.file);
    m_loaded = true;
    m_compared = false;
    drawFileTree();
    m_lines = {m_translator.tr("Словарь с переносимыми параметрами загружен из файла ") + cp1251::fromUtf8(path)};
    return true;
}

std::vector<std::string> ParameterLoading::groupNames(const std::string& setNumber) const {
    std::vector<std::string> names;
    if (const bases::SetBaseElement* groups = m_sets.findSet(setNumber)) {
        for (std::size_t item = 0; item < groups->items.size(); ++item)
            names.push_back(groups->itemText(static_cast<int>(item), false, m_language));
    }
    return names;
}

void ParameterLoading::buildProfileList() {
    const model::Profile& profile = m_document.profile();
    const UnitLists units = unitLists(m_sets, m_language);
    const DefaultInfoContext context{profile.scaleNumbers, units, m_texts, m_sets, m_language, m_translator};
    m_profileList.clear();
    for (const model::DictObject* object : profile.view()) {
        Parameter& listed = m_profileList.emplace_back();
        listed.index = object->index;
        listed.subindex = object->subindex;
        listed.format = object->format;
        listed.value = object->defaultValue;
        listed.textNumber = object->textID;
        listed.group = object->group;
        listed.name = object->name;
        listed.nameEng = object->nameEng;
        listed.text = object->text;
        listed.access = object->access();
        listed.type = object->formatType();
        listed.info = defaultInfo(*object, context);
    }
}

void ParameterLoading::drawFileTree() {
    m_fileTree.build(m_file.parameters, groupNames(std::to_string(m_file.groupSet)), m_mode, m_names);
}

void ParameterLoading::drawProfileTree() {
    m_profileTree.build(m_profileList, groupNames(m_document.profile().settings.group_set), m_mode, m_names);
}

void ParameterLoading::setMode(HierarchyMode mode) {
    m_mode = mode;
    if (m_loaded) drawFileTree();
    drawProfileTree();
}

void ParameterLoading::setShortNames(bool shortNames) {
    m_names.shortNames = shortNames;
    if (m_loaded) drawFileTree();
    drawProfileTree();
}

void ParameterLoading::toggle(int node) {
    if (!m_loaded) return;
    m_fileTree.toggle(node);
    m_fileTree.takeSelection(m_file.parameters);
    m_compared = false;
}

void ParameterLoading::select(ParameterSelection selection) {
    if (!m_loaded) return;
    selectParameters(m_file, selection);
    m_fileTree.showSelection(m_file.parameters);
    m_compared = false;
}

void ParameterLoading::tell(const char* text) {
    m_port.ask({m_translator.tr("Ошибка"), m_translator.tr(text), app::MessageButtons::Ok, app::MessageIcon::Warning});
}

void ParameterLoading::write(const std::vector<std::string>& lines) {
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
}

void ParameterLoading::compare() {
    if (!m_loaded) {
        tell("Перед сравнением загрузите словарь c переносимыми параметрами из файла!");
        return;
    }
    write(comparisonStartLines(m_translator));
    m_compared = false;
    m_fileTree.takeSelection(m_file.parameters);
    // The view may have changed since the window was shown.
    buildProfileList();
    drawProfileTree();
    const ScaleComparison scales = compareScaleCoefficients(m_file, m_document.profile().scaleNumbers);
    if (scales.differ) {
        const std::vector<ScaleMismatchRow> rows =
            scaleMismatchRows(scales, m_document.profile().scaleNumbers, unitLists(m_sets, m_language));
        switch (askAboutScaleMismatch(rows, m_port, m_translator)) {
        case ScaleMismatchAnswer::Replace:
            replaceScaleCoefficients(m_document, scales, m_translator);
            buildProfileList();
            drawProfileTree();
            return;
        case ScaleMismatchAnswer::Cancel: return;
        case ScaleMismatchAnswer::KeepAndGoOn: break;
        }
    }
    write(compareParameters(m_file, m_document.profile(), m_names, m_translator).lines);
    m_fileTree.showSelection(m_file.parameters);
    m_compared = true;
}

void ParameterLoading::loadIntoProfile() {
    if (!m_loaded) {
        tell("Перед переносом значений по умолчанию откройте файл c переносимыми параметрами!");
        return;
    }
    if (!m_compared) {
        tell("Перед переносом выполните сравнение текущего словаря со словарем из файла параметров!");
        return;
    }
    write(loadingStartLines(m_translator));
    m_fileTree.takeSelection(m_file.parameters);
    loadDefaults(m_document, m_file, m_translator);
    buildProfileList();
    drawProfileTree();
    write({loadingEndLine(m_translator)});
}

}  // namespace tabrin::editing
