// A profile document opened for editing on the fixture "three_configurations.xml" (a base profile
// and the configurations "first" and "second"), with the demo home's bases, a scripted message
// port, an event log and the object operations over it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/eventlog.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/objectoperations.h"
#include "editing/profiledocument.h"
#include "model/profile.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"

namespace tabrin::editing {

/// What a command may change, compared whole: every field of every object, their order and the
/// configuration holding them, the settings, the EDS header and the scale table.
struct ProfileState {
    model::ProfileSettings settings;
    std::string header;
    std::vector<model::ScaleNumber> scales;
    std::vector<std::string> names;
    std::vector<std::vector<model::DictObject>> configurations;
    int current = 0;

    explicit ProfileState(const model::Profile& profile)
        : settings(profile.settings),
          header(profile.header_text),
          scales(profile.scaleNumbers),
          current(profile.CurrSubProfile) {
        for (const model::SubProfile& configuration : profile.configurations) {
            names.push_back(configuration.name);
            configurations.push_back(configuration.objects);
            // An object's view position means something only while the view shows its configuration.
            const auto position = static_cast<int>(configurations.size()) - 1;
            if (position == 0 || position == profile.CurrSubProfile) continue;
            for (model::DictObject& object : configurations.back()) object.number = -1;
        }
    }
    bool operator==(const ProfileState&) const = default;
};

class EditingProfile : public ::testing::Test {
protected:
    EditingProfile()
        : m_log([] { return std::chrono::system_clock::time_point(); }),
          m_document(m_translator, app::Language::Russian, m_texts, m_log),
          m_operations(m_document, m_port, m_translator, app::Language::Russian) {}

    void SetUp() override {
        const std::filesystem::path home = DEMO_HOME_DIR;
        ASSERT_TRUE(m_texts.load(bases::TextBase::filePath(home), m_port));
        ASSERT_TRUE(m_sets.load(bases::SetBase::filePath(home), m_port));
        ASSERT_TRUE(m_log.open(m_folder.path() / "Tabrin4.log"));
        ASSERT_TRUE(m_document.load(fixture()).ok());
        m_document.beginEditing();
        m_document.setClean();
    }

    static std::filesystem::path fixture() {
        return std::filesystem::path(TEST_DATA_DIR) / "editing" / "three_configurations.xml";
    }

    const model::Profile& profile() const { return m_document.profile(); }

    /// The object of the current view at `address` ("2000h.01h"); `occurrence` counts objects at
    /// the same address.
    const model::DictObject& at(const std::string& address, int occurrence = 0) const {
        for (const model::DictObject* object : profile().view()) {
            if (object->address() == address && occurrence-- == 0) return *object;
        }
        ADD_FAILURE() << "no object " << address;
        static const model::DictObject none;
        return none;
    }
    model::ObjectSerial serial(const std::string& address, int occurrence = 0) const {
        return at(address, occurrence).serial;
    }

    /// The addresses of the view, each with the configuration holding its object ("2000h.02h@1").
    std::vector<std::string> viewAddresses() const {
        std::vector<std::string> addresses;
        for (const model::DictObject* object : profile().view())
            addresses.push_back(object->address() + "@" + std::to_string(object->configuration));
        return addresses;
    }

    std::string log() const { return test::readFile(m_folder.path() / "Tabrin4.log"); }

    test::TempFolder m_folder;
    app::Translator m_translator;
    test::ScriptedMessagePort m_port;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    app::EventLog m_log;
    ProfileDocument m_document;
    ObjectOperations m_operations;
};

}  // namespace tabrin::editing
