// Importing objects from another profile file: the vendor-token question, the objects of the
// file's base profile in file order with their names from this installation's text base, the copy
// kept in the log folder, and the selected rows added to the current configuration as one command.
#include "editing/objectimport.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "app/cp1251.h"
#include "app/eventlog.h"
#include "app/formattext.h"
#include "app/integertext.h"
#include "app/paths.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/objectscommand.h"
#include "editing/profiledocument.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

constexpr std::string_view kTokenQuestion =
    "Значение по умолчанию для параметра 2600.01 (Vendor Token)\r\nв импортируемом профиле: %s, и оно отличается "
    "от\r\nтекущей настройки: %s.\r\nЭто может означать, что импортируемый профиль был создан\r\nна базе другой базы "
    "текстов-перечислений.\r\nПродолжить импорт?";
constexpr std::string_view kVendorTokenObject = "obj_2600h.01h";

// A whole text read as an unsigned number with an automatic base ("0x" hex, a leading 0 octal); 0 otherwise.
unsigned long long automaticBaseValue(const std::string& text) {
    if (text.empty()) return 0;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    return errno == 0 && end == text.c_str() + text.size() ? value : 0;
}

// The 2600h.01h default among the base profile's objects, or nothing when there is no such object.
std::optional<std::string> vendorTokenDefault(const xml::XMLNode& base) {
    const xml::XMLNode object = base.child(kVendorTokenObject);
    if (object.isEmpty()) return std::nullopt;
    return object.child("defaults").attributeText("default");
}

}  // namespace

std::optional<app::Message> vendorTokenQuestion(const std::string& importedDefault, const std::string& installationToken,
                                                app::Translator& translator) {
    if (automaticBaseValue(importedDefault) == automaticBaseValue("0x" + installationToken)) return std::nullopt;
    const std::string notSet = translator.tr("не задано");
    return app::Message{{},
                        app::formatText(translator.tr(kTokenQuestion),
                                        {importedDefault.empty() ? notSet : importedDefault,
                                         installationToken.empty() ? notSet : "0x" + installationToken}),
                        app::MessageButtons::YesNo,
                        app::MessageIcon::Warning};
}

std::filesystem::path importCopyPath(const std::filesystem::path& logFolder, const std::filesystem::path& file) {
    std::string stem = file.filename().string();
    if (const std::size_t extension = stem.find(".xml"); extension != std::string::npos) stem.erase(extension, 4);
    for (int n = 1;; ++n) {
        std::filesystem::path copy = logFolder / (stem + "_" + std::to_string(n) + ".xml");
        std::error_code error;
        if (!std::filesystem::exists(copy, error)) return copy;
    }
}

ObjectImport::ObjectImport(ProfileDocument& document, app::MessagePort& port, app::Translator& translator,
                           app::EventLog& log, app::Language language)
    : m_document(document), m_port(port), m_translator(translator), m_log(log), m_language(language) {}

bool ObjectImport::open(const std::string& file, const std::string& installationToken,
                        const std::filesystem::path& logFolder, const bases::TextBase& texts) {
    model::Profile other(m_translator, m_language);
    model::TOperationResult outcome = other.readFile(app::nativePath(file));
    model::ParsedProfile parsed;
    if (outcome.ok()) {
        parsed = model::parseProfileText(other.text, app::shownPath(file));
        outcome = parsed.outcome;
    }
    if (!outcome.ok()) {
        m_port.ask({m_translator.tr("Ошибка"), cp1251::fromUtf16(outcome.message), app::MessageButtons::Ok,
                    app::MessageIcon::Error});
        return false;
    }
    const xml::XMLNode base = parsed.root.child("Indexes");
    if (const std::optional<std::string> token = vendorTokenDefault(base)) {
        if (const std::optional<app::Message> question = vendorTokenQuestion(*token, installationToken, m_translator);
            question && m_port.ask(*question) != app::MessageAnswer::Yes)
            return false;
    }
    m_objects.clear();
    for (int i = 0; i < base.childCount(); ++i) {
        model::DictObject& object = m_objects.emplace_back();
        object.readFromXml(base.child(i), i);
        const int text = texts.find(object.textID);
        if (text < 0) continue;
        const bases::TextBaseElement& named = texts.elements()[static_cast<std::size_t>(text)];
        object.name = named.trus;
        object.nameEng = named.teng;
        object.text = named.text;
    }
    m_file = file;
    keepCopy(file, logFolder);
    return true;
}

void ObjectImport::keepCopy(const std::string& file, const std::filesystem::path& logFolder) {
    if (!m_log.isOpen()) return;
    const std::filesystem::path copy = importCopyPath(logFolder, app::nativePath(file));
    std::error_code error;
    std::filesystem::copy_file(app::nativePath(file), copy, error);
    if (error) return;
    m_log.writeLog(app::formatText("Opened profile to import from: %s (copy saved under the name '%s')",
                                   {app::shownPath(file), app::shownPath(app::pathText(copy.filename()))}));
}

std::array<std::string, kImportColumns> ObjectImport::headers() const {
    return {m_translator.tr("№"),       m_translator.tr("Индекс"), m_translator.tr("Подындекс"),
            m_translator.tr("Длинный текст"), m_translator.tr("Короткий текст"), m_translator.tr("Адрес"),
            m_translator.tr("Группа")};
}

std::vector<std::array<std::string, kImportColumns>> ObjectImport::rows(const bases::SetBase& sets) const {
    const bases::SetBaseElement* groups = sets.findSet(m_document.profile().settings.group_set);
    const bool english = m_language == app::Language::English;
    std::vector<std::array<std::string, kImportColumns>> shown;
    shown.reserve(m_objects.size());
    for (const model::DictObject& object : m_objects) {
        std::string group;
        if (object.subindex == "00h") {
            const std::optional<int> position = app::toInteger(object.group);
            if (!position)
                group = m_translator.tr("ВНЕ ГРУПП");
            else if (groups && *position >= 0 && *position < static_cast<int>(groups->items.size()))
                group = groups->itemText(*position, false, m_language);
            else
                group = std::to_string(*position);
        }
        shown.push_back({std::to_string(object.number),
                         object.subindex == "00h" ? object.index : "    " + object.index, object.subindex,
                         english && !object.nameEng.empty() ? object.nameEng : object.name, object.text, object.addr,
                         std::move(group)});
    }
    return shown;
}

void ObjectImport::import(int first, int last) {
    if (first < 0 || last >= static_cast<int>(m_objects.size()) || first > last) return;
    const int current = m_document.profile().CurrSubProfile;
    std::vector<model::DictObject> added;
    for (int row = first; row <= last; ++row) {
        model::DictObject object = m_objects[static_cast<std::size_t>(row)];
        object.configuration = current;
        object.serial = m_document.newSerial();
        added.push_back(std::move(object));
    }
    const std::string firstNumber = std::to_string(m_objects[static_cast<std::size_t>(first)].number);
    const std::string lastNumber = std::to_string(m_objects[static_cast<std::size_t>(last)].number);
    CommandTexts texts{
        app::formatText(m_translator.tr("импорт объектов %s–%s"), {firstNumber, lastNumber}),
        app::formatText("Object(s) with number(s) from %d to %d were imported", {firstNumber, lastNumber})};
    m_document.push(std::make_unique<ObjectsCommand>(std::move(texts), std::vector<model::ObjectSerial>{}, std::move(added)));
}

}  // namespace tabrin::editing
