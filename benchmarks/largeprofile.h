// The large profile the benchmarks work on: 1,000 indexes of a root and nine sub-objects, with the
// group enumeration and a text for every object, written once to a temporary file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/consolemessageport.h"
#include "app/cp1251.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/viewfill.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "model/services.h"

namespace tabrin::benchmarks {

inline constexpr int kIndexes = 1000;
inline constexpr int kObjectsPerIndex = 10;  // a root and nine sub-objects: 10,000 objects in all

inline const bases::SetBase& groupSets() {
    static const bases::SetBase sets = [] {
        bases::SetBase base;
        bases::SetBaseElement groups;
        groups.id = "20";
        for (const char* name : {"Общие", "Двигатель", "Регуляторы", "Защиты", "Связь"}) {
            groups.items.push_back(bases::SetTextItem::make(cp1251::fromUtf8(name), "", "", ""));
        }
        base.elements().push_back(groups);
        return base;
    }();
    return sets;
}

inline app::Translator& translator() {
    static app::Translator russian;
    return russian;
}

/// What the benchmarked operations take from the program; a question would be printed and
/// answered Yes.
inline model::Services services() {
    static app::ConsoleMessagePort port(std::cerr);
    return {groupSets(),  "benchmark", app::Language::Russian,
            translator(), port,        std::filesystem::temp_directory_path()};
}

// The sub-objects cycle through the formats a drive profile uses.
inline void setFormat(model::DictObject& object, int subindex) {
    switch (subindex % 5) {
    case 0:
        object.Type = "StandartNum";
        object.Size = "16";
        object.Signed = "false";
        break;
    case 1:
        object.Type = "IQ";
        object.Size = "32";
        object.Signed = "true";
        object.QValue = 24;
        object.ScaleNum = subindex % 3;
        break;
    case 2:
        object.Type = "Bit";
        object.Visualization = "Text";
        object.Length = 2;
        object.StartBit = subindex;
        break;
    case 3:
        object.Type = "Float";
        object.FloatType = "Absolute";
        object.Units = 4;
        object.NumOfFloat = 1;
        break;
    default:
        object.Type = "Float";
        object.FloatType = "Relative";
        object.ScaleNum = 1;
        break;
    }
}

inline model::DictObject makeObject(int index, int subindex) {
    const std::string n = std::to_string(index * kObjectsPerIndex + subindex);
    model::DictObject object;
    object.index = model::numberToHexText(static_cast<std::uint32_t>(0x3000 + index), 4);
    object.subindex = model::numberToHexText(static_cast<std::uint32_t>(subindex), 2);
    object.textID = n;
    object.text = cp1251::fromUtf8("Параметр ") + n;
    object.name = cp1251::fromUtf8("Номинальная частота вращения двигателя ") + n;
    object.group = std::to_string(index % 5);
    if (subindex == 0) {
        object.DataType = "Viewable";
        object.Type = "Root";
        object.description = cp1251::fromUtf8("Группа параметров \"") + n + "\"";
        return object;
    }
    object.DataType = subindex % 2 ? "Editable" : "Protected";
    object.addr = "Params[" + std::to_string(index) + "].value" + std::to_string(subindex);
    setFormat(object, subindex);
    object.defaultValue = "1";
    object.min = "0";
    object.max = "3";
    return object;
}

inline std::filesystem::path benchmarkFile(const char* name) { return std::filesystem::temp_directory_path() / name; }

// Built with the profile operations and written by the profile's own save.
inline const std::filesystem::path& largeProfileFile() {
    static const std::filesystem::path file = [] {
        model::Profile profile(translator(), app::Language::Russian);
        profile.settings.group_set = "20";
        for (int k = 0; k < 3; ++k) {
            model::ScaleNumber scale;
            scale.name = cp1251::fromUtf8("Базовая величина ") + std::to_string(k);
            scale.units = std::to_string(k + 1);
            scale.prefix = "0";
            scale.scaleQ = "8";
            scale.num_of_float = "2";
            scale.possible_value = "100";
            profile.scaleNumbers.push_back(scale);
        }
        profile.configurations.emplace_back().name = cp1251::fromUtf8("Базовый профиль");
        std::vector<model::DictObject> objects;
        for (int index = 0; index < kIndexes; ++index) {
            for (int subindex = 0; subindex < kObjectsPerIndex; ++subindex) objects.push_back(makeObject(index, subindex));
        }
        profile.addObjects(std::move(objects), 0);
        const auto path = benchmarkFile("tabrin-benchmark-profile.xml");
        profile.save(path, groupSets());
        return path;
    }();
    return file;
}

inline const std::string& profileBytes() {
    static const std::string bytes = [] {
        model::Profile profile(translator(), app::Language::Russian);
        profile.readFile(largeProfileFile());
        return profile.text;
    }();
    return bytes;
}

/// A text base holding the text of every object of the large profile.
inline const bases::TextBase& largeTextBase() {
    static const bases::TextBase texts = [] {
        bases::TextBase base;
        for (int n = 0; n < kIndexes * kObjectsPerIndex; ++n) {
            bases::TextBaseElement& text = base.elements().emplace_back();
            text.id = text.textid = std::to_string(n);
            text.text = cp1251::fromUtf8("Параметр ") + text.id;
            text.trus = cp1251::fromUtf8("Номинальная частота вращения двигателя ") + text.id;
            text.teng = "Rated motor speed " + text.id;
        }
        return base;
    }();
    return texts;
}

/// The large profile as the generators and the report get it: loaded, its view filled with the
/// texts of the large text base.
struct LoadedProfile {
    model::Profile profile{translator(), app::Language::Russian};

    LoadedProfile() {
        profile.load(largeProfileFile());
        editing::fillView(profile, largeTextBase());
    }
};

}  // namespace tabrin::benchmarks
