// Comparing a parameter file with the open profile before its values become defaults: the scale
// coefficients first, then every selected parameter's format, text and address, with a line for
// each refusal; and loading the selected values into the view's objects as one command.
#include "editing/parametercomparison.h"

#include <cmath>
#include <map>

#include "app/floattext.h"
#include "app/formattext.h"
#include "app/integertext.h"
#include "app/translator.h"
#include "editing/objectscommand.h"
#include "editing/profiledocument.h"
#include "editing/scalecommand.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::editing {
namespace {

constexpr int kCoefficients = 32;
constexpr double kValueTolerance = 0.01;

int field(const std::string& text) { return app::toInteger(text).value_or(0); }

std::string packedWord(const model::ScaleNumber& scale) {
    return std::to_string((field(scale.units) & 0x3F) * 1024 + (field(scale.prefix) & 7) * 128 +
                          (field(scale.num_of_float) & 3) * 32 + (field(scale.scaleQ) & 0x1F));
}

// The objects of the view by address; the first one of an address counts.
std::map<std::string, const model::DictObject*> viewByAddress(const model::Profile& profile) {
    std::map<std::string, const model::DictObject*> objects;
    for (const model::DictObject* object : profile.view()) objects.emplace(object->address(), object);
    return objects;
}

}  // namespace

ScaleComparison compareScaleCoefficients(const ParameterFile& file, const std::vector<model::ScaleNumber>& profile) {
    ScaleComparison comparison;
    comparison.fromFile = profile;
    comparison.fromFile.resize(kCoefficients);
    const auto profileAt = [&](std::uint32_t k) {
        return k < profile.size() ? profile[k] : model::ScaleNumber();
    };
    // From the last parameter back: a coefficient's 02h object comes before its 01h object.
    for (auto parameter = file.parameters.rbegin(); parameter != file.parameters.rend(); ++parameter) {
        const std::uint32_t k = model::hexTextToNumber(parameter->index) - model::kScaleObjectsIndex;
        if (model::hexTextToNumber(parameter->index) < model::kScaleObjectsIndex || k >= kCoefficients) continue;
        model::ScaleNumber& listed = comparison.fromFile[k];
        if (parameter->subindex == "02h") {
            const int packed = field(parameter->value);
            listed.scaleQ = std::to_string(packed & 0x1F);
            listed.num_of_float = std::to_string((packed >> 5) & 3);
            listed.prefix = std::to_string((packed >> 7) & 7);
            listed.units = std::to_string((packed >> 10) & 0x3F);
            if (parameter->value != packedWord(profileAt(k))) comparison.differ = true;
        } else if (parameter->subindex == "01h") {
            const double f = std::ldexp(app::toFloat(parameter->value).value_or(0), -field(listed.scaleQ));
            const double c = app::toFloat(profileAt(k).possible_value).value_or(0);
            const bool valueDiffers = f != 0 ? std::fabs((f - c) / f) > kValueTolerance : c != 0;
            listed.possible_value = f != 0 ? app::generalText(f) : parameter->value;
            if (valueDiffers) {
                comparison.differ = true;
                comparison.valueMask |= 1u << k;
            }
        }
    }
    return comparison;
}

std::vector<std::string> comparisonStartLines(app::Translator& translator) {
    return {"", translator.tr("Сравнение словарей...")};
}

ParameterComparison compareParameters(ParameterFile& file, const model::Profile& profile, const TreeNames& names,
                                      app::Translator& translator) {
    ParameterComparison comparison;
    const std::map<std::string, const model::DictObject*> objects = viewByAddress(profile);
    std::vector<std::string> missing;
    for (Parameter& parameter : file.parameters) {
        if (!parameter.selected || parameter.type == model::FormatType::Root) continue;
        const std::string shown = parameterDescription(parameter, names);
        std::vector<std::string> refusals;
        const auto found = objects.find(parameter.address());
        if (found == objects.end()) {
            missing.push_back(shown);
        } else {
            const int fileWord = field(parameter.format);
            const int profileWord = field(found->second->format) & 0xFFFF;
            const bool standardSigned = parameter.type == model::FormatType::StandartNum && fileWord == profileWord + 128;
            if (fileWord != profileWord && !standardSigned)
                refusals.push_back(translator.tr("!!! Разный формат эл-в ") + shown);
            if (parameter.textNumber != found->second->textID)
                refusals.push_back(translator.tr("!!! Разный номер текста эл-в ") + shown);
        }
        const std::string address = parameter.address();
        if (address == "2001h.00h")
            refusals.push_back(translator.tr("!!! Параметр ") + shown +
                               translator.tr(" исключен из списка. Это скорость сети, при её смене загрузка прервется."));
        else if (address == "2080h.01h")
            refusals.push_back(translator.tr("!!! Параметр ") + shown +
                               translator.tr(" исключен из списка. Это команда драйверу CanOpen."));
        else if (address == "250Fh.00h")
            refusals.push_back(translator.tr("!!! Параметр ") + shown +
                               translator.tr(" исключен из списка. Это собьет часы контроллера"));
        if (refusals.empty() && found != objects.end()) continue;
        parameter.selected = false;
        ++comparison.refused;
        comparison.lines.insert(comparison.lines.end(), refusals.begin(), refusals.end());
    }
    if (!missing.empty()) {
        comparison.lines.push_back(translator.tr("В словаре устройства нет элемента(ов):"));
        comparison.lines.insert(comparison.lines.end(), missing.begin(), missing.end());
        comparison.lines.push_back(" ");
    }
    std::map<std::string, bool> inFile;
    for (const Parameter& parameter : file.parameters) inFile[parameter.address()] = true;
    std::vector<std::string> unknown;
    for (const model::DictObject* object : profile.view()) {
        if (!object->isRoot() && !inFile.contains(object->address()))
            unknown.push_back(parameterDescription(*object, names));
    }
    if (!unknown.empty()) {
        comparison.lines.push_back(translator.tr("В словаре устройства неизвестные (новые) параметр(ы) :"));
        comparison.lines.insert(comparison.lines.end(), unknown.begin(), unknown.end());
        comparison.lines.push_back(" ");
    }
    comparison.lines.push_back(
        translator.tr("Сравнение завершено. ") +
        (comparison.refused == 0 ? translator.tr("Все выбранные параметры могут быть загружены.")
                                 : app::formatText(translator.tr("Отменена загрузка %d параметров."),
                                                   {std::to_string(comparison.refused)})));
    return comparison;
}

void replaceScaleCoefficients(ProfileDocument& document, const ScaleComparison& comparison,
                              app::Translator& translator) {
    std::vector<model::ScaleNumber> replaced = document.profile().scaleNumbers;
    replaced.resize(kCoefficients);
    for (std::size_t k = 0; k < replaced.size(); ++k) {
        const model::ScaleNumber& fromFile = comparison.fromFile[k];
        replaced[k].possible_value = fromFile.possible_value;
        replaced[k].scaleQ = fromFile.scaleQ;
        replaced[k].num_of_float = fromFile.num_of_float;
        replaced[k].prefix = fromFile.prefix;
        replaced[k].units = fromFile.units;
    }
    document.push(std::make_unique<ScaleTableCommand>(
        CommandTexts{translator.tr("масштабирующие коэффициенты из файла параметров"),
                     "Scale coefficients replaced by those of the parameter file"},
        std::move(replaced)));
}

std::vector<std::string> loadingStartLines(app::Translator& translator) {
    return {"", translator.tr("Загрузка выбранных параметров в значения по умолчанию текущего словаря...")};
}

std::string loadingEndLine(app::Translator& translator) { return translator.tr("Значения по умолчанию загружены."); }

void loadDefaults(ProfileDocument& document, const ParameterFile& file, app::Translator& translator) {
    const std::map<std::string, const model::DictObject*> objects = viewByAddress(document.profile());
    std::vector<model::ObjectSerial> changed;
    std::vector<model::DictObject> loaded;
    for (const Parameter& parameter : file.parameters) {
        if (!parameter.selected) continue;
        const auto found = objects.find(parameter.address());
        if (found == objects.end()) continue;
        model::DictObject object = *found->second;
        object.defaultValue = parameter.value;
        if (const std::size_t comma = object.defaultValue.find(','); comma != std::string::npos)
            object.defaultValue[comma] = '.';
        if (object.defaultValue == found->second->defaultValue) continue;
        changed.push_back(object.serial);
        loaded.push_back(std::move(object));
    }
    if (loaded.empty()) return;
    document.push(std::make_unique<ObjectsCommand>(
        CommandTexts{app::formatText(translator.tr("загрузка %d значений по умолчанию"), {std::to_string(loaded.size())}),
                     app::formatText("Default values of %d object(s) loaded from a parameter file",
                                     {std::to_string(loaded.size())})},
        std::move(changed), std::move(loaded)));
}

}  // namespace tabrin::editing
