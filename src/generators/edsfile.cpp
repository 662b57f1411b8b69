// The EDS file (CANopen Electronic Data Sheet) of a profile's current view, for configuration tools.
#include "generators/edsfile.h"

#include <cstdio>

#include "app/formattext.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "generators/edssections.h"
#include "generators/generationsteps.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::generators {
namespace {

const std::string kStarLine = ";" + std::string(50, '*');

// Line breaks as a memo shows them: CR LF, whatever the text held.
std::string withCrLf(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

bool refusesHeader(std::string_view headerText, const model::Services& context) {
    if (headerText.find_first_of("<>") == std::string_view::npos) return false;
    context.port.ask({context.translator.tr("Ошибка"),
                      context.translator.tr("В шапке EDS-файла есть кавычки <>. Это может привести к неправильному "
                                         "сохранению заголовка в XML-файл. Удалите символы < и > из шапки."),
                      app::MessageButtons::Ok, app::MessageIcon::Question});
    return true;
}

std::string listEntry(std::size_t position, std::uint32_t index) {
    char text[32];
    std::snprintf(text, sizeof text, "%zu=0x%04X", position, index);
    return text;
}

std::vector<std::string> edsLines(const model::Profile& profile, const model::Services& context,
                                  std::string_view headerText, const ProgressReport& progress) {
    const std::vector<model::DictObject*>& view = profile.view();
    const std::string edsName = app::shownPath(app::nativePath(edsFilePath(profile)).filename().native());
    std::vector<std::string> lines = {
        kStarLine,
        context.translator.tr(";Файл: ") + edsName,
        context.translator.tr(";Профиль: ") + app::shownPath(profile.path),
        context.translator.tr(";Конфигурация: ") + currentConfigurationName(profile),
        context.translator.tr(";Дата созданиЯ: ") + creationTimeText(),
        context.translator.tr(";Пользователь: ") + context.user,
        app::formatText(context.translator.tr(";всего %d индексов в словаре"), {std::to_string(indexCount(view))}),
        app::formatText(context.translator.tr(";всего %d элементов в словаре"), {std::to_string(view.size())}),
        kStarLine,
        withCrLf(headerText),
        "",
        kStarLine,
        context.translator.tr(";Словарь объектов"),
        kStarLine + "\n",
        "[MandatoryObjects]\nSupportedObjects=3\n1=0x1000\n2=0x1001\n3=0x1018\r\n",
    };
    const EdsObjectLists lists = edsObjectLists(view);
    lines.push_back("[OptionalObjects]\nSupportedObjects=" + std::to_string(lists.optional.size()));
    for (std::size_t i = 0; i < lists.optional.size(); ++i) lines.push_back(listEntry(i + 1, lists.optional[i]));
    lines.emplace_back();
    lines.push_back("[ManufacturerObjects]\nSupportedObjects=" + std::to_string(lists.manufacturer.size()));
    for (std::size_t i = 0; i < lists.manufacturer.size(); ++i) {
        lines.push_back(listEntry(i + 1, lists.manufacturer[i]));
    }
    for (std::size_t i = 0; i < view.size(); ++i) {
        std::vector<std::string> sections = edsObjectSections(*view[i]);
        lines.insert(lines.end(), std::make_move_iterator(sections.begin()), std::make_move_iterator(sections.end()));
        if (progress) progress(static_cast<int>((i + 1) * 100 / view.size()));
    }
    return lines;
}

}  // namespace

EdsFile generateEdsFile(const model::Profile& profile, const model::Services& context, std::string_view headerText,
                        const ProgressReport& progress) {
    if (refusesHeader(headerText, context)) return {};
    if (!passesCheck(profile, context)) return {};
    if (progress) progress(0);
    return {GenerationStatus::Generated, joinLines(edsLines(profile, context, headerText, progress))};
}

std::string edsFilePath(const model::Profile& profile) {
    return app::pathText(app::nativePath(profile.path).replace_extension(".eds"));
}

}  // namespace tabrin::generators
