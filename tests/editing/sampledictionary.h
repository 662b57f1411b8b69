// A small profile with its bases for the dictionary-table tests: a root of 1018h with two
// sub-objects, objects with an empty and an unknown group, and a configuration that overrides
// one base object and adds another.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/dictionarygrid.h"
#include "editing/dictionarytable.h"
#include "model/profile.h"
#include "model/services.h"
#include "support/scriptedmessageport.h"
#include "support/utf8.h"

namespace tabrin::editing {

inline model::DictObject object(const std::string& index, const std::string& subindex,
                                const std::string& type = "StandartNum") {
    model::DictObject o;
    o.index = index;
    o.subindex = subindex;
    o.Type = type;
    o.DataType = "Viewable";
    o.format = "0";
    return o;
}

class SampleDictionary : public ::testing::Test {
protected:
    SampleDictionary() : m_profile(m_translator, app::Language::Russian) {
        using test::w;
        bases::SetBaseElement groups;
        groups.id = "20";
        groups.items = {{w("Общие"), "", "", ""}, {w("Двигатель"), "", "", ""}, {w("Связь"), "", "", ""}};
        m_sets.elements().push_back(groups);
        bases::TextBaseElement text;
        text.id = text.textid = "5";
        text.trus = w("Скорость");
        text.teng = "Speed";
        text.text = w("Ск");
        m_texts.elements().push_back(text);

        m_profile.settings.group_set = "20";
        model::SubProfile base;
        model::DictObject root = object("1018h", "00h", "Root");
        root.group = "1";
        root.format = "0";
        root.textID = "5";
        base.objects = {root, object("1018h", "01h"), object("1018h", "02h"), object("3000h", "00h"),
                        object("3001h", "00h")};
        base.objects[3].group = "";
        base.objects[4].group = "9";
        model::SubProfile variant;
        variant.name = "v";
        variant.objects = {object("3000h", "00h"), object("4000h", "00h")};
        m_profile.configurations = {base, variant};
        // Objects made by hand take the serials a profile gives the objects it reads.
        for (model::SubProfile& configuration : m_profile.configurations) {
            for (model::DictObject& o : configuration.objects) o.serial = m_profile.newSerial();
        }
        m_profile.setCurrent(0);
    }

    std::vector<DictionaryRow> fill(const DictionaryFilters& filters = {}) {
        return fillDictionaryRows(m_profile, filters, ValueDisplayMode::AsStored, m_sets, app::Language::Russian,
                                  m_translator);
    }

    model::Services services() { return {m_sets, "", app::Language::Russian, m_translator, m_port, {}}; }

    app::Translator m_translator;
    test::ScriptedMessagePort m_port;
    bases::SetBase m_sets;
    bases::TextBase m_texts;
    model::Profile m_profile;
};

}  // namespace tabrin::editing
