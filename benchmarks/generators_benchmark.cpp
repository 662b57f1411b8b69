// Generating the controller file and the EDS file of a 10,000-object profile, next to loading it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/cp1251.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/viewfill.h"
#include "generators/controllerfile.h"
#include "generators/edsfile.h"
#include "model/numbertext.h"
#include "model/profile.h"
#include "model/services.h"

namespace {

using namespace tabrin;

constexpr int kIndexes = 1000;
constexpr int kMembers = 9;  // each index: a root and nine members, 10,000 objects in all

class YesPort : public app::MessagePort {
public:
    app::MessageAnswer ask(const app::Message&) override { return app::MessageAnswer::Yes; }
};

// One member of each kind the generators treat differently.
const char* const kMemberFormats[kMembers] = {
    R"(<format Type="StandartNum" Size="16" Signed="false"/>)",
    R"(<format Type="StandartNum" Size="32" Signed="true"/>)",
    R"(<format Type="IQ" Size="16" Signed="true" QValue="12" ScaleNum="1"/>)",
    R"(<format Type="IQ" Size="32" Signed="false" QValue="24" ScaleNum="2"/>)",
    R"(<format Type="Bit" Visualization="Hex" Length="4" StartBit="4"/>)",
    R"(<format Type="Float" FloatType="Absolute" Prefix="1" Units="3" NumOfFloat="2"/>)",
    R"(<format Type="Float" FloatType="Relative" ScaleNum="0"/>)",
    R"(<format Type="StandartNum" Size="8" Signed="false"/>)",
    R"(<format Type="StandartNum" Size="32" Signed="false"/>)",
};
const char* const kMemberDefaults[kMembers] = {
    R"(default="100" min="0" max="1000")", R"(default="-5" min="" max="")", R"(default="2048" min="0" max="4096")",
    R"(default="1000h;x" min="0" max="FFFFh")", R"(default="3" min="0" max="0Fh")", R"(default="1.5" min="0" max="10")",
    R"(default="0.75" min="0.1" max="2")", R"(default="7" min="" max="")", R"(default="SPEED_NOM" min="0" max="100000")",
};
const char* const kAccess[] = {"Viewable", "Editable", "Protected", "Secret"};

std::string object(const std::string& address, const std::string& access, const std::string& format,
                   const std::string& defaults, int text) {
    const std::string name = cp1251::fromUtf8("Параметр регулятора скорости ") + std::to_string(text);
    return "\t\t<obj_" + address + " DataType=\"" + access + "\" name=\"" + name + "\" addr=\"Drive.p" +
           std::to_string(text) + "\" group=\"" + std::to_string(text % 5) + "\" groupName=\"\" fullgroup=\"\" callback=\"\">\n" +
           "\t\t\t" + format + "\n\t\t\t<text text=\"P" + std::to_string(text) + "\" textID=\"" + std::to_string(text) +
           "\"/>\n\t\t\t<defaults " + defaults + "/>\n\t\t\t<description description=\"\"/>\n\t\t</obj_" + address + ">\n";
}

std::filesystem::path profileFile() {
    static const std::filesystem::path file = [] {
        std::string bytes =
            "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<root Tabrin4=\"v.4.0.0\">\n"
            "\t<dictionary_settings group_set=\"20\" proc_series=\"28\" prefix=\"1\" FormatType=\"1\" old_groups=\"false\" "
            "CurrSubProfile=\"0\"/>\n\t<eds_header header_text=\"[FileInfo]\"/>\n\t<scale_numbers>\n"
            "\t\t<scale_00 units=\"1\" prefix=\"0\" scaleQ=\"4\" num_of_float=\"1\" possible_value=\"540\" name=\"U\"/>\n"
            "\t\t<scale_01 units=\"2\" prefix=\"0\" scaleQ=\"6\" num_of_float=\"2\" possible_value=\"100\" name=\"I\"/>\n"
            "\t\t<scale_02 units=\"3\" prefix=\"0\" scaleQ=\"8\" num_of_float=\"2\" possible_value=\"50\" name=\"F\"/>\n"
            "\t</scale_numbers>\n\t<Indexes name=\"\">\n";
        int text = 1;
        for (int i = 0; i < kIndexes; ++i) {
            const std::string index = model::numberToHexText(static_cast<std::uint32_t>(0x3000 + i), 4);
            bytes += object(index + ".00h", "Viewable", R"(<format Type="Root"/>)", R"(default="0" min="" max="")", text++);
            for (int m = 0; m < kMembers; ++m) {
                bytes += object(index + "." + model::numberToHexText(static_cast<std::uint32_t>(m + 1), 2), kAccess[(i + m) % 4],
                                kMemberFormats[m], kMemberDefaults[m], text++);
            }
        }
        bytes += "\t</Indexes>\n\t<SubProfiles/>\n</root>\n";
        const auto path = std::filesystem::temp_directory_path() / "tabrin-benchmark-profile.xml";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }();
    return file;
}

struct Home {
    app::Translator translator;
    YesPort port;
    bases::SetBase sets;
    bases::TextBase texts;

    Home() {
        bases::SetBaseElement groups;
        groups.id = "20";
        for (const char* group : {"A", "B", "C", "D", "E", "F", "G"}) groups.items.push_back({group, group, "", ""});
        sets.elements().push_back(groups);
    }
    model::Services context() {
        return {sets, "Bench", app::Language::Russian, translator, port, std::filesystem::temp_directory_path()};
    }
};

void loadProfileToGenerate(benchmark::State& state) {
    Home home;
    for (auto _ : state) {
        model::Profile profile(home.translator, app::Language::Russian);
        benchmark::DoNotOptimize(profile.load(profileFile()).code);
    }
    state.SetItemsProcessed(state.iterations() * kIndexes * (kMembers + 1));
}

void controllerFileGenerate(benchmark::State& state) {
    Home home;
    model::Profile profile(home.translator, app::Language::Russian);
    profile.load(profileFile());
    editing::fillView(profile, home.texts);
    for (auto _ : state) {
        const generators::ControllerFile file = generators::generateControllerFile(profile, home.context());
        if (file.status != generators::GenerationStatus::Generated) state.SkipWithError("not generated");
        benchmark::DoNotOptimize(file.text.data());
    }
    state.SetItemsProcessed(state.iterations() * kIndexes * (kMembers + 1));
}

void edsFileGenerate(benchmark::State& state) {
    Home home;
    model::Profile profile(home.translator, app::Language::Russian);
    profile.load(profileFile());
    editing::fillView(profile, home.texts);
    for (auto _ : state) {
        const generators::EdsFile file = generators::generateEdsFile(profile, home.context(), profile.header_text);
        if (file.status != generators::GenerationStatus::Generated) state.SkipWithError("not generated");
        benchmark::DoNotOptimize(file.text.data());
    }
    state.SetItemsProcessed(state.iterations() * kIndexes * (kMembers + 1));
}

BENCHMARK(loadProfileToGenerate)->Unit(benchmark::kMillisecond);
BENCHMARK(controllerFileGenerate)->Unit(benchmark::kMillisecond);
BENCHMARK(edsFileGenerate)->Unit(benchmark::kMillisecond);

}  // namespace
