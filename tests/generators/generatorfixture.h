// Small dictionaries built in code for the generator tests, and a profile to generate them from.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/eventlog.h"
#include "app/paths.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/viewfill.h"
#include "generators/generationstatus.h"
#include "model/dictobject.h"
#include "model/profile.h"
#include "model/services.h"
#include "support/scopedenvironment.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::test {

/// One object, its format word derived from its attributes as reading a profile does.
class Obj {
public:
    Obj(std::string index, std::string subindex) {
        m_object.index = std::move(index);
        m_object.subindex = std::move(subindex);
        m_object.DataType = "Viewable";
        m_object.textID = "1";
    }

    Obj& access(std::string dataType) { m_object.DataType = std::move(dataType); return *this; }
    Obj& root() { m_object.Type = "Root"; return *this; }
    Obj& standard(std::string size, bool isSigned = false) {
        m_object.Type = "StandartNum";
        m_object.Size = std::move(size);
        m_object.Signed = isSigned ? "true" : "false";
        return *this;
    }
    Obj& q(std::string size, bool isSigned = true) { standard(std::move(size), isSigned); m_object.Type = "IQ"; return *this; }
    Obj& bits(int startBit, int length, std::string visualization = "Dec") {
        m_object.Type = "Bit";
        m_object.StartBit = startBit;
        m_object.Length = length;
        m_object.Visualization = std::move(visualization);
        return *this;
    }
    Obj& floating(std::string floatType = "Absolute") {
        m_object.Type = "Float";
        m_object.FloatType = std::move(floatType);
        return *this;
    }
    Obj& values(std::string def, std::string min = "", std::string max = "") {
        m_object.defaultValue = std::move(def);
        m_object.min = std::move(min);
        m_object.max = std::move(max);
        return *this;
    }
    Obj& text(std::string textID, std::string shortText = "") {
        m_object.textID = std::move(textID);
        m_object.text = std::move(shortText);
        return *this;
    }
    Obj& names(std::string name, std::string nameEng = "") {
        m_object.name = std::move(name);
        m_object.nameEng = std::move(nameEng);
        return *this;
    }
    Obj& addr(std::string variable) { m_object.addr = std::move(variable); return *this; }
    Obj& group(std::string group, std::string fullgroup = "") {
        m_object.group = std::move(group);
        m_object.fullgroup = std::move(fullgroup);
        return *this;
    }
    Obj& callback(std::string routine) { m_object.callback = std::move(routine); return *this; }

    operator model::DictObject() const {
        model::DictObject object = m_object;
        object.format = std::to_string(model::formatWord(object));
        return object;
    }

private:
    model::DictObject m_object;
};

/// A profile of C-code series with a group enumeration "20" of three groups, generated in a
/// temporary folder with questions answered Yes.
class GeneratorTest : public ::testing::Test {
protected:
    static constexpr const char* kGroupSet = "20";

    GeneratorTest() : m_profile(m_translator, app::Language::Russian) {
        bases::SetBaseElement groups;
        groups.id = kGroupSet;
        groups.items = {{w("  Общие "), "General", "", ""}, {w("Двигатель"), "Motor", "", ""}, {w("Связь"), "Link", "", ""}};
        m_sets.elements().push_back(groups);
        m_profile.path = app::pathText(m_folder.path() / "profiles" / "drive.xml");
        m_profile.settings.group_set = kGroupSet;
        m_profile.settings.AddrComm1 = "CO1_SPI_START_ADDR";
        m_profile.settings.AddrUser1 = "CO1_SPI_START_ADDR";
        m_profile.settings.AddrComm2 = "CO2_SPI_START_ADDR";
        m_profile.settings.AddrUser2 = "CO1_SPI_START_ADDR";
    }

    /// The base profile holds `objects`; further configurations are named in `configurations`.
    void setObjects(std::vector<model::DictObject> objects, std::vector<model::SubProfile> configurations = {}) {
        m_profile.configurations = {{{}, w("Базовый профиль"), std::move(objects)}};
        for (model::SubProfile& configuration : configurations) m_profile.configurations.push_back(std::move(configuration));
        m_profile.rebuildView();
        // Showing the view gives the roots their member counts, as opening a profile does.
        editing::fillView(m_profile, m_texts);
    }

    model::Services context() { return {m_sets, w("Петров"), m_language, m_translator, m_port, m_folder.path()}; }

    std::filesystem::path folder() const { return m_folder.path(); }

    /// The creation time written into file headers while SOURCE_DATE_EPOCH is set.
    static std::string creationTime() {
        return app::dateTimeText(std::chrono::system_clock::time_point(std::chrono::seconds(kEpoch)));
    }

    static constexpr int kEpoch = 1700000000;
    TempFolder m_folder;
    ScopedEnvironment m_epoch{"SOURCE_DATE_EPOCH", std::to_string(kEpoch).c_str()};
    app::Translator m_translator;
    app::Language m_language = app::Language::Russian;
    bases::SetBase m_sets;
    bases::TextBase m_texts;
    ScriptedMessagePort m_port{{}, app::MessageAnswer::Yes};
    model::Profile m_profile;
};

/// The lines of a generated text, which ends every line with CR LF.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the text does not end with CR LF";
    return lines;
}

/// The lines from the one that starts with `first` up to and including the next line `last`.
inline std::vector<std::string> section(const std::vector<std::string>& lines, std::string_view first,
                                        std::string_view last = "};") {
    std::vector<std::string> found;
    auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(first); });
    for (; line != lines.end(); ++line) {
        found.push_back(*line);
        if (*line == last) break;
    }
    return found;
}

}  // namespace tabrin::test
