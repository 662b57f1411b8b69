// A small profile with its bases for the report tests: parameters in numbered groups, in the
// outside group by an empty, a non-numeric and a negative group, below the index range, and a root.
#pragma once

#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "model/profile.h"
#include "support/utf8.h"

namespace tabrin::report {

class SampleProfile : public ::testing::Test {
protected:
    static constexpr int kEditableU16 = 0x4A00;
    static constexpr int kSecretU16 = 0xCA00;

    SampleProfile() {
        using test::w;
        m_sets.elements().push_back({"20",
                                     {item(w("Общие"), w("Общ.")), item(w("Двигатель"), w("Дв.")),
                                      item(w("Вне групп"), ""), item(w("Защиты"), w("Защ."))},
                                     {},
                                     {}});
        m_profile.path = "/profiles/drive.xml";
        m_profile.settings.group_set = "20";
        m_profile.configurations.push_back({{},
                                            "base",
                                            {
                                                object("1000h", "00h", kEditableU16, "0"),
                                                object("2500h", "00h", 2, "3"),
                                                object("2500h", "01h", kEditableU16, "3"),
                                                object("2500h", "02h", kSecretU16, "3"),
                                                object("2600h", "00h", kEditableU16, ""),
                                                object("2700h", "00h", kEditableU16, "1"),
                                                object("2800h", "00h", kEditableU16, "abc"),
                                                object("2900h", "00h", kEditableU16, "-1"),
                                                object("3000h", "00h", kEditableU16, "0"),
                                            }});
        m_profile.rebuildView();
    }

    static bases::SetTextItem item(const std::string& longRussian, const std::string& shortRussian) {
        return bases::SetTextItem::make(longRussian, "", shortRussian, "");
    }

    static model::DictObject object(const char* index, const char* subindex, int word, const char* group) {
        model::DictObject object;
        object.index = index;
        object.subindex = subindex;
        object.format = std::to_string(word);
        object.DataType = word >= 0xC000 ? "Secret" : "Editable";
        object.group = group;
        object.text = std::string("T") + index;
        object.description = std::string("D") + index + subindex;
        object.addr = std::string("v") + index;
        object.min = "0";
        object.max = "10";
        object.defaultValue = "5";
        return object;
    }

    app::Translator m_translator;
    model::Profile m_profile{m_translator, app::Language::Russian};
    bases::TextBase m_texts;
    bases::SetBase m_sets;
};

}  // namespace tabrin::report
