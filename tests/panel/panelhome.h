// A small home for panel-file tests: a text base file, an enumeration base in memory and profile
// files, each written from a few UTF-8 rows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "panel/panelfile.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::test {

struct TextRow {
    std::string number;
    std::string shortText;  // UTF-8, as every text of the rows
    std::string sets = "0";
    std::string trus = {};
    std::string teng = {};
};

struct SetRow {
    std::string number;
    std::vector<std::string> packedItems;  // "long Russian@long English@short Russian@short English"
};

class PanelHome {
public:
    PanelHome(const std::vector<TextRow>& texts, const std::vector<SetRow>& sets) {
        bases::TextBase base;
        for (const TextRow& row : texts) {
            base.elements().push_back(
                {row.number, row.number, w(row.shortText), row.sets, w(row.trus), w(row.teng), "T"});
        }
        std::filesystem::create_directories(textBaseFile().parent_path());
        base.save(textBaseFile());
        for (const SetRow& row : sets) {
            bases::SetBaseElement& set = m_sets.elements().emplace_back();
            set.id = row.number;
            for (const std::string& packed : row.packedItems)
                set.items.push_back(bases::SetTextItem::unpack(w(packed)));
        }
    }

    std::filesystem::path textBaseFile() const { return bases::TextBase::filePath(m_folder.path()); }
    const std::filesystem::path& folder() const { return m_folder.path(); }

    /// Writes a profile whose base profile uses `textIds` and whose one further configuration uses
    /// text 9999, which no base holds; returns its path text.
    std::string profile(const std::string& name, const std::vector<std::string>& textIds,
                        std::optional<std::string> groupSet = "0") const {
        std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root>\n\t<dictionary_settings";
        if (groupSet) xml += " group_set=\"" + *groupSet + "\"";
        xml += " proc_series=\"28\"/>\n\t<Indexes name=\"base\">\n";
        for (std::size_t i = 0; i < textIds.size(); ++i) {
            const std::string element = "obj_" + std::to_string(2000 + i) + "h.00h";
            xml += "\t\t<" + element + "><text text=\"\" textID=\"" + textIds[i] + "\"/></" + element + ">\n";
        }
        xml += "\t</Indexes>\n\t<SubProfiles>\n\t\t<SubProfile_01 name=\"c\"><obj_3000h.00h><text textID=\"9999\"/>"
               "</obj_3000h.00h></SubProfile_01>\n\t</SubProfiles>\n</root>\n";
        const std::filesystem::path file = m_folder.path() / name;
        writeFile(file, xml);
        return file.string();
    }

    panel::PanelEnvironment environment(panel::GenerationProgress progress = {}) {
        return {{m_sets, w("Иванов"), app::Language::Russian, m_translator, m_port, m_folder.path()},
                "01.02.2024 10:20:30",
                std::move(progress)};
    }

    bases::SetBase& sets() { return m_sets; }
    app::Translator& translator() { return m_translator; }
    ScriptedMessagePort& port() { return m_port; }

private:
    TempFolder m_folder;
    bases::SetBase m_sets;
    app::Translator m_translator;
    ScriptedMessagePort m_port;
};

}  // namespace tabrin::test
