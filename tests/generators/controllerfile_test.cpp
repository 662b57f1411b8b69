// The generation as a whole: the check before it, the scale-coefficient defaults, the folder copy,
// capital "Я", reproducible output and the dictionary hash.
#include <gtest/gtest.h>

#include <functional>

#include "generators/controllerfile.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::linesOf;
using test::Obj;
using test::w;

class ControllerFileTest : public test::GeneratorTest {
protected:
    std::vector<model::DictObject> dictionary() const {
        return {
            Obj("1000h", "00h").standard("32").values("131474").addr("co_deviceType").text("1").group("2"),
            Obj("2000h", "00h").root().text("2").group("1"),
            Obj("2000h", "01h").access("Editable").standard("16").values("5", "0", "100").addr("Speed").text("3"),
            Obj("2000h", "02h").access("Protected").bits(0, 4).values("3", "0", "7").addr("Flags").text("4"),
            Obj("3000h", "00h").access("Editable").floating().values("1.5", "0", "10").addr("Gain").text("5").group("0"),
        };
    }

    std::string hashLine() {
        const ControllerFile file = generateControllerFile(m_profile, context());
        for (const std::string& line : linesOf(file.text)) {
            if (line.starts_with("Uint32 const co_odHash[4]")) return line;
        }
        return "(missing)";
    }
};

TEST_F(ControllerFileTest, FailedCheckReturnsNothingAndWritesNothing) {
    m_profile.settings.GenVostCToFolder = true;
    m_profile.settings.VostCFolder = "out";
    std::filesystem::create_directories(folder() / "profiles" / "out");
    std::vector<model::DictObject> objects = dictionary();
    objects.push_back(Obj("3000h", "00h").access("Editable").standard("16").group("0"));
    setObjects(objects);
    const ControllerFile file = generateControllerFile(m_profile, context());
    EXPECT_EQ(file.status, GenerationStatus::Refused);
    EXPECT_TRUE(file.text.empty());
    EXPECT_FALSE(file.writtenToFolder());
    EXPECT_TRUE(std::filesystem::is_empty(folder() / "profiles" / "out"));
    ASSERT_FALSE(m_port.asked().empty());
    EXPECT_NE(m_port.asked().front().text.find("3000h.00h"), std::string::npos) << "the duplicate question";
}

TEST_F(ControllerFileTest, ScaleCoefficientObjectsTakeTheirDefaultsForTheGeneration) {
    m_profile.scaleNumbers = {{{}, "U", "5", "3", "12", "2", "220"}};
    setObjects({
        Obj("2100h", "00h").root().group("0"),
        Obj("2100h", "01h").access("Protected").standard("16").values("100"),
        Obj("2100h", "02h").access("Protected").standard("16").values("0"),
        Obj("2100h", "03h").access("Protected").bits(0, 8).values("0"),
        Obj("2100h", "04h").access("Protected").bits(0, 8).values("0"),
        Obj("2100h", "05h").access("Protected").bits(0, 8).values("0"),
        Obj("2100h", "06h").access("Protected").bits(0, 8).values("0"),
    });
    m_profile.takeScaleCoefficients();
    ASSERT_EQ(generateControllerFile(m_profile, context()).status, GenerationStatus::Generated);
    std::vector<std::string> defaults;
    for (const model::DictObject* object : m_profile.view()) defaults.push_back(object->defaultValue);
    const int packed = 5 * 1024 + 3 * 128 + 2 * 32 + 12;
    EXPECT_EQ(defaults, (std::vector<std::string>{"", "100", std::to_string(packed), "12", "2", "3", "5"}));
}

TEST_F(ControllerFileTest, OutOfByteScaleDefaultIsCaughtByTheCheck) {
    m_profile.scaleNumbers = {{{}, "U", "300", "0", "0", "0", "1"}};
    setObjects({Obj("2100h", "00h").root().group("0"), Obj("2100h", "01h").access("Protected").bits(0, 8).values("0"),
                Obj("2100h", "02h").access("Protected").standard("16"), Obj("2100h", "03h").access("Protected").bits(0, 8),
                Obj("2100h", "04h").access("Protected").bits(0, 8), Obj("2100h", "05h").access("Protected").bits(0, 8),
                Obj("2100h", "06h").access("Protected").bits(0, 8)});
    m_profile.takeScaleCoefficients();
    EXPECT_EQ(generateControllerFile(m_profile, context()).status, GenerationStatus::Refused);
}

TEST_F(ControllerFileTest, SameProfileSameTimeSameBytes) {
    setObjects(dictionary());
    const std::string first = generateControllerFile(m_profile, context()).text;
    const std::string second = generateControllerFile(m_profile, context()).text;
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, second);
    test::ScopedEnvironment later("SOURCE_DATE_EPOCH", "1700000060");
    EXPECT_NE(generateControllerFile(m_profile, context()).text, first);
}

struct HashRow {
    const char* name;
    std::function<void(std::vector<model::DictObject>&)> change;  // keeps the dictionary well-formed
    bool changesHash;
};

TEST_F(ControllerFileTest, HashFollowsAddressesFormatsAndTextNumbersOnly) {
    using Objects = std::vector<model::DictObject>;
    const HashRow rows[] = {
        {"index", [](Objects& o) { o[4].index = "3001h"; }, true},
        {"subindexes", [](Objects& o) { o[2].subindex = "02h"; o[3].subindex = "01h"; }, true},
        {"format word", [](Objects& o) { o[2].Size = "32"; }, true},
        {"no-range mark", [](Objects& o) { o[0].min = "0"; o[0].max = "200000"; }, true},
        {"text number", [](Objects& o) { o[3].textID = "33"; }, true},
        {"default", [](Objects& o) { o[2].defaultValue = "7"; }, false},
        {"limits that keep the range", [](Objects& o) { o[2].max = "200"; o[4].min = "-1"; }, false},
        {"names and short text", [](Objects& o) { o[2].name = "x"; o[2].nameEng = "z"; o[2].text = "y"; }, false},
        {"variable, group and callback", [](Objects& o) { o[2].addr = "Other"; o[4].group = "2"; o[1].callback = "f"; }, false},
        {"float default that is a constant", [](Objects& o) { o[4].defaultValue = "GAIN"; }, false},
    };
    setObjects(dictionary());
    const std::string before = hashLine();
    ASSERT_NE(before, "(missing)");
    for (const HashRow& row : rows) {
        SCOPED_TRACE(row.name);
        Objects changed = dictionary();
        row.change(changed);
        for (model::DictObject& object : changed) object.format = std::to_string(model::formatWord(object));
        setObjects(changed);
        const std::string after = hashLine();
        ASSERT_NE(after, "(missing)");
        EXPECT_EQ(after != before, row.changesHash);
    }
}

TEST_F(ControllerFileTest, ScramblingLeavesTheHashAlone) {
    setObjects(dictionary());
    const std::string plain = hashLine();
    m_profile.settings.FormatType = true;
    EXPECT_EQ(hashLine(), plain);
}

TEST_F(ControllerFileTest, CapitalYaInTheTextButNotInTheFolderCopy) {
    m_profile.settings.BigYA = true;
    m_profile.settings.GenVostCToFolder = true;
    m_profile.settings.VostCFolder = "..\\out";
    std::filesystem::create_directories(folder() / "out");
    std::vector<model::DictObject> objects = dictionary();
    objects[0].name = w("Тип устройства я");
    setObjects(objects);
    const ControllerFile file = generateControllerFile(m_profile, context());
    ASSERT_EQ(file.status, GenerationStatus::Generated);
    ASSERT_TRUE(file.writtenToFolder());
    EXPECT_EQ(file.folderCopy, app::pathText(folder() / "out" / "vost.c"));
    const std::string copy = test::readFile(folder() / "out" / "vost.c");
    EXPECT_NE(copy.find(w("Тип устройства я")), std::string::npos);
    EXPECT_EQ(file.text.find('\xFF'), std::string::npos);
    EXPECT_NE(file.text.find(w("Тип устройства Я")), std::string::npos);
    std::string lowered = file.text;
    std::replace(lowered.begin(), lowered.end(), '\xDF', '\xFF');
    std::string copyLowered = copy;
    std::replace(copyLowered.begin(), copyLowered.end(), '\xDF', '\xFF');
    EXPECT_EQ(lowered, copyLowered) << "the copy holds the same text";
}

TEST_F(ControllerFileTest, NoFolderCopyWithoutTheOptionOrTheFolder) {
    setObjects(dictionary());
    m_profile.settings.VostCFolder = "out";
    std::filesystem::create_directories(folder() / "profiles" / "out");
    ControllerFile file = generateControllerFile(m_profile, context());
    EXPECT_FALSE(file.writtenToFolder());
    EXPECT_TRUE(std::filesystem::is_empty(folder() / "profiles" / "out"));
    EXPECT_TRUE(linesOf(file.text).front() == w("// Файл: vost.c")) << "the header names the copy all the same";

    m_profile.settings.GenVostCToFolder = true;
    m_profile.settings.VostCFolder = "missing";
    file = generateControllerFile(m_profile, context());
    EXPECT_EQ(file.status, GenerationStatus::Generated);
    EXPECT_FALSE(file.writtenToFolder());
    EXPECT_EQ(linesOf(file.text).front(), w("// Файл: "));
}

TEST_F(ControllerFileTest, FolderCopyThatCannotBeWrittenFailsWithTheReason) {
    setObjects(dictionary());
    m_profile.settings.GenVostCToFolder = true;
    m_profile.settings.VostCFolder = app::pathText(folder() / "out");
    // A folder of the copy's name stands where the file would go.
    std::filesystem::create_directories(folder() / "out" / "vost.c" / "taken");
    const ControllerFile file = generateControllerFile(m_profile, context());
    EXPECT_EQ(file.status, GenerationStatus::Failed);
    EXPECT_NE(file.error.find("vost.c"), std::string::npos) << file.error;
    EXPECT_TRUE(file.text.empty());
    EXPECT_FALSE(file.writtenToFolder());
}

}  // namespace
}  // namespace tabrin::generators
