// The generated vost.c of the demo profile compiled by the system's C compiler against stub
// headers for every CAN module and both group forms, and its scrambled format words decoded back
// as the controller's firmware decodes them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "app/eventlog.h"
#include "app/settings.h"
#include "editing/profiledocument.h"
#include "editing/settingscommands.h"
#include "generatorfixture.h"
#include "generators/canmodule.h"
#include "generators/controllerfile.h"
#include "model/numbertext.h"
#include "session/profileopening.h"

namespace tabrin::generators {
namespace {

using test::linesOf;
using test::section;

// The variables of the firmware the dictionary names: "Motor.Unom" and "co_scale[2].value" become
// members of structures and arrays.
struct Declaration {
    std::map<std::string, Declaration> members;
    std::size_t arrayLength = 0;

    void declare(std::string_view path) {
        const std::size_t dot = path.find('.');
        std::string_view segment = path.substr(0, dot);
        Declaration* declared = nullptr;
        if (const std::size_t bracket = segment.find('['); bracket != std::string_view::npos) {
            declared = &members[std::string(segment.substr(0, bracket))];
            const std::size_t element = std::stoul(std::string(segment.substr(bracket + 1)));
            declared->arrayLength = std::max(declared->arrayLength, element + 1);
        } else {
            declared = &members[std::string(segment)];
        }
        if (dot != std::string_view::npos) declared->declare(path.substr(dot + 1));
    }

    std::string render(const std::string& name) const {
        std::string type = "Uint16";
        if (!members.empty()) {
            type = "struct {\n";
            for (const auto& [member, declaration] : members) type += declaration.render(member);
            type += "}";
        }
        return type + " " + name + (arrayLength ? "[" + std::to_string(arrayLength) + "]" : "") + ";\n";
    }
};

// The firmware's own names for one CAN module: the variables "co_…" of module 1 live in the
// structure co1_vars, "coX_…" is co1_…, and routines "co_…" are co1_….
std::string firmwareVariables(const model::Profile& profile, const CanModuleNames& module) {
    Declaration globals;
    const std::string lower(module.lower);
    for (const model::DictObject* object : profile.view()) {
        const std::string& addr = object->addr;
        if (object->isRoot() || addr.empty()) continue;
        if (module.module != 0 && addr.starts_with("co_")) globals.members[lower + "_vars"].declare(addr);
        else if (module.module != 0 && addr.starts_with("coX_")) globals.declare(lower + addr.substr(3));
        else globals.declare(addr);
    }
    // The dictionary file defines these itself.
    globals.members.erase(lower + "_numOfInd");
    globals.members.erase(lower + "_groupEnum");
    std::string text;
    for (const auto& [name, declaration] : globals.members) text += declaration.render(name);
    for (const model::DictObject* object : profile.view()) {
        if (object->subindex != "00h" || object->callback.empty()) continue;
        const std::string& routine = object->callback;
        text += "void " + (module.module != 0 && routine.starts_with("co_") ? lower + routine.substr(2) : routine) + "(long);\n";
    }
    return text;
}

void writeStubHeaders(const std::filesystem::path& folder, const model::Profile& profile, const CanModuleNames& module) {
    test::writeFile(folder / "DSP.h",
                    "typedef unsigned short Uint16;\ntypedef unsigned int Uint32;\ntypedef short int16;\n"
                    "#define STATIC_ASSERT(condition, name) _Static_assert(condition, #name)\n");
    test::writeFile(folder / "main.h", "/* the controller's main header */\n");
    std::string vost = "#define CO1_SPI_START_ADDR 0x0100\n#define CO2_SPI_START_ADDR 0x0800\n"
                       "#ifdef FIVE_RANGES\n#define VOST_LINKS__5000 40\n#else\n#define VOST_LINKS__6000 47\n#endif\n";
    if (module.module == 0) {
        for (const char* table : {"OD_TBL1", "OD_TBL2", "OD_TBL3", "TYPE_DEF_TABLE", "OD_CALLBACK_TBL"}) {
            vost += "#define CO_" + std::string(table) + " " + table + "\n";
        }
    }
    test::writeFile(folder / (std::string(module.fileBase) + ".h"), vost);
    test::writeFile(folder / "co_ODvars.h", firmwareVariables(profile, module));
}

// The compiler's exit code; its messages go to `log`.
int compile(const std::filesystem::path& folder, const std::string& options, const std::filesystem::path& log) {
    const std::string command = "cc -std=c11 -Wall -Werror " + options + " -I'" + folder.string() + "' -c '" +
                                (folder / "vost.c").string() + "' -o '" + (folder / "vost.o").string() + "' >'" +
                                log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CompiledFileTest : public ::testing::Test {
protected:
    CompiledFileTest() : m_document(m_translator, app::Language::Russian, m_texts, m_log) {}

    void SetUp() override {
        const std::filesystem::path home = DEMO_HOME_DIR;
        ASSERT_TRUE(m_texts.load(bases::TextBase::filePath(home), m_port));
        ASSERT_TRUE(m_sets.load(bases::SetBase::filePath(home), m_port));
        ASSERT_TRUE(m_document.load(home / "profiles" / "demo_drive.xml").ok());
        session::prepareOpenedProfile(m_document, m_texts, "", "Demo", m_port, m_translator);
    }

    ControllerFile generate() {
        m_document.takeScaleCoefficients();
        return generateControllerFile(m_document.profile(),
                                      {m_sets, "Demo", app::Language::Russian, m_translator, m_port, m_folder.path()});
    }

    test::TempFolder m_folder;
    test::ScopedEnvironment m_epoch{"SOURCE_DATE_EPOCH", "1700000000"};
    app::Translator m_translator;
    test::ScriptedMessagePort m_port{{}, app::MessageAnswer::Yes};
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    app::EventLog m_log;
    editing::ProfileDocument m_document;
    const model::Profile& m_profile = m_document.profile();
};

struct CompileRow {
    int module;
    bool oldGroups;
    int configuration;
};

TEST_F(CompiledFileTest, CompilesForEveryModuleAndGroupForm) {
    const CompileRow rows[] = {{0, false, 0}, {0, true, 0}, {1, false, 0}, {1, true, 0},
                               {2, false, 0}, {2, true, 0}, {0, false, 1}, {2, true, 1}};
    ASSERT_TRUE(m_profile.settings.FormatType) << "opening a C-code profile encrypts its format words";
    for (const CompileRow& row : rows) {
        const std::string name = "module " + std::to_string(row.module) + (row.oldGroups ? ", old groups" : "") +
                                 ", configuration " + std::to_string(row.configuration);
        SCOPED_TRACE(name);
        m_document.push(editing::settingsFieldChange(
            m_profile,
            [&](model::ProfileSettings& settings) {
                settings.prefix = row.module;
                settings.old_groups = row.oldGroups;
            },
            m_translator));
        m_document.setCurrent(row.configuration);
        const ControllerFile file = generate();
        ASSERT_EQ(file.status, GenerationStatus::Generated) << file.error;

        const std::filesystem::path folder = m_folder.path() / ("build" + std::to_string(&row - rows));
        test::writeFile(folder / "vost.c", file.text);
        writeStubHeaders(folder, m_profile, canModuleNames(row.module));
        for (const std::string options : {"", "-DFIVE_RANGES"}) {
            const std::filesystem::path log = folder / "cc.log";
            EXPECT_EQ(compile(folder, options, log), 0) << options << "\n" << test::readFile(log);
        }
    }
}

// What the controller's firmware does with the first word of a record.
int decodedByFirmware(int scrambled, std::uint32_t index) {
    const auto x = static_cast<std::uint16_t>(index);
    return static_cast<std::uint16_t>((scrambled ^ x) - static_cast<std::uint16_t>(~x) - 0x3B5E);
}

TEST_F(CompiledFileTest, FirmwareDecodesEveryFormatWord) {
    const std::vector<std::string> lines = linesOf(generate().text);
    const std::vector<std::string> table = section(lines, "Uint16 const OD_TBL2[] = {");
    ASSERT_GT(table.size(), 2u);
    std::size_t line = 1;
    for (const model::DictObject* object : m_profile.view()) {
        SCOPED_TRACE(object->address());
        const std::uint32_t index = model::hexTextToNumber(object->index);
        if (object->isRoot()) {
            ASSERT_EQ(table.at(line), "");
            EXPECT_EQ(decodedByFirmware(std::stoi(table.at(line + 1)), index), std::stoi(object->format));
            line += 4;
            continue;
        }
        // Standard numbers without limits carry the no-range mark, bit 7.
        const bool noRange = object->Type == "StandartNum" && object->min.empty() && object->max.empty();
        EXPECT_EQ(decodedByFirmware(std::stoi(table.at(line)), index), model::formatWord(*object) + (noRange ? 0x80 : 0));
        for (++line; line < table.size() && (table[line].starts_with("(Uint16)") || table[line] == "0,"); ++line) {
        }
    }
    EXPECT_EQ(table.at(line), "};");
}

}  // namespace
}  // namespace tabrin::generators
