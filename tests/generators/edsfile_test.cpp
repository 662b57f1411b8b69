// The EDS file: its header and memo, the three object lists, every object's sections with data type,
// access, limits and default, line ends, progress, and the refusals.
#include <gtest/gtest.h>

#include "generators/edsfile.h"
#include "generators/edssections.h"
#include "model/numbertext.h"
#include "generatorfixture.h"

namespace tabrin::generators {
namespace {

using test::Obj;
using test::w;

class EdsFileTest : public test::GeneratorTest {
protected:
    std::string generate(std::string_view header = "") {
        const EdsFile eds = generateEdsFile(m_profile, context(), header);
        EXPECT_EQ(eds.status, GenerationStatus::Generated);
        return eds.text;
    }
};

TEST_F(EdsFileTest, HeaderMemoAndMandatoryObjects) {
    setObjects({Obj("1000h", "00h").standard("32").group("0")});
    const std::string text = generate(w("Строка 1\nСтрока 2"));
    const std::string stars = ";" + std::string(50, '*');
    const std::string expected =
        stars + "\r\n" +
        w(";Файл: drive.eds\r\n") +
        w(";Профиль: ") + m_profile.path + "\r\n" +
        w(";Конфигурация: Базовый профиль\r\n") +
        w(";Дата созданиЯ: ") + creationTime() + "\r\n" +
        w(";Пользователь: Петров\r\n") +
        w(";всего 1 индексов в словаре\r\n") +
        w(";всего 1 элементов в словаре\r\n") +
        stars + "\r\n" +
        w("Строка 1\r\nСтрока 2\r\n") +
        "\r\n" +
        stars + "\r\n" +
        w(";Словарь объектов\r\n") +
        stars + "\n\r\n"
        "[MandatoryObjects]\nSupportedObjects=3\n1=0x1000\n2=0x1001\n3=0x1018\r\n\r\n"
        "[OptionalObjects]\nSupportedObjects=0\r\n"
        "\r\n"
        "[ManufacturerObjects]\nSupportedObjects=0\r\n"
        "\n[1000]\r\nParameterName=\r\nObjectType=0x7\r\nDataType=0x7\r\nAccessType=ro\r\nPDOMapping=0\nObjFlags=0\r\n";
    EXPECT_EQ(text, expected);
}

TEST_F(EdsFileTest, ObjectListsByIndexRange) {
    setObjects({
        Obj("0800h", "00h").standard("16"), Obj("1000h", "00h").standard("32"), Obj("1001h", "00h").standard("8"),
        Obj("1017h", "00h").standard("16"), Obj("1018h", "00h").root(), Obj("1018h", "01h").standard("32"),
        Obj("2000h", "00h").root(), Obj("2000h", "01h").standard("16"), Obj("2000h", "02h").standard("16"),
        Obj("5FFFh", "00h").standard("16"), Obj("6000h", "00h").standard("16"), Obj("9FFFh", "00h").standard("16"),
        Obj("A000h", "00h").standard("16"),
    });
    const EdsObjectLists lists = edsObjectLists(m_profile.view());
    EXPECT_EQ(lists.optional, (std::vector<std::uint32_t>{0x1017, 0x6000, 0x9FFF}));
    EXPECT_EQ(lists.manufacturer, (std::vector<std::uint32_t>{0x2000, 0x5FFF}));
    const std::string text = generate();
    EXPECT_NE(text.find("[OptionalObjects]\nSupportedObjects=3\r\n1=0x1017\r\n2=0x6000\r\n3=0x9FFF\r\n\r\n"
                        "[ManufacturerObjects]\nSupportedObjects=2\r\n1=0x2000\r\n2=0x5FFF\r\n\n[0800]"),
              std::string::npos);
    for (const char* header :
         {"\n[0800]\r\n", "\n[1018]\nSubNumber=2\r\n", "\n[1018sub0]\r\n", "\n[1018sub1]\r\n", "\n[A000]\r\n"}) {
        EXPECT_NE(text.find(header), std::string::npos) << header;
    }
}

TEST_F(EdsFileTest, SectionsOfRootsAndMembers) {
    std::vector<model::DictObject> objects = {Obj("2000h", "00h").root().names(w("Группа"))};
    for (int subindex = 1; subindex <= 16; ++subindex) {
        objects.push_back(Obj("2000h", model::numberToHexText(static_cast<std::uint32_t>(subindex), 2)).standard("8"));
    }
    setObjects(objects);
    const std::vector<std::string> root = edsObjectSections(*m_profile.view()[0]);
    EXPECT_EQ(root, (std::vector<std::string>{"\n[2000]\nSubNumber=17", w("ParameterName=Группа"), "ObjectType=0x9",
                                              "\n[2000sub0]", w("ParameterName=Группа"), "ObjectType=0x7",
                                              "DataType=0x5", "AccessType=ro", "PDOMapping=0\nObjFlags=0"}));
    EXPECT_EQ(edsObjectSections(*m_profile.view()[10]).front(), "\n[2000subA]");
    EXPECT_EQ(edsObjectSections(*m_profile.view()[16]).front(), "\n[2000sub10]");
}

struct ObjectRow {
    const char* name;
    model::DictObject object;
    std::vector<std::string> lines;  // from DataType on, without the flags
};

TEST_F(EdsFileTest, DataTypeAccessLimitsAndDefault) {
    const ObjectRow rows[] = {
        {"editable I16 with a limit in h",
         Obj("2000h", "00h").access("Editable").standard("16", true).values("-5", "FFh", "100"),
         {"DataType=0x3", "AccessType=rw", "HighLimit=100", "DefaultValue=-5"}},
        {"bit field", Obj("2000h", "00h").access("Protected").bits(0, 3).values("$7", "0x0", "7"),
         {"DataType=0x5", "AccessType=rw", "LowLimit=0x0", "HighLimit=7", "DefaultValue=$7"}},
        {"unsigned IQ32", Obj("2000h", "00h").access("Secret").q("32", false).values("1.5", "0", "4294967295"),
         {"DataType=0x7", "AccessType=rw", "LowLimit=0", "HighLimit=4294967295"}},
        {"signed IQ16", Obj("2000h", "00h").q("16", true).values("1"), {"DataType=0x3", "AccessType=ro", "DefaultValue=1"}},
        {"float with constant default", Obj("2000h", "00h").access("Editable").floating().values("SPEED_NOM", "-1", "1e3"),
         {"DataType=0x8", "AccessType=rw", "LowLimit=-1"}},
        {"I8", Obj("2000h", "00h").standard("8", true).values("0"), {"DataType=0x2", "AccessType=ro", "DefaultValue=0"}},
        {"I32", Obj("2000h", "00h").standard("32", true).values("0"), {"DataType=0x4", "AccessType=ro", "DefaultValue=0"}},
        {"U8", Obj("2000h", "00h").standard("8").values("0"), {"DataType=0x5", "AccessType=ro", "DefaultValue=0"}},
        {"U16", Obj("2000h", "00h").standard("16").values("0"), {"DataType=0x6", "AccessType=ro", "DefaultValue=0"}},
    };
    for (const ObjectRow& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> sections = edsObjectSections(row.object);
        ASSERT_GE(sections.size(), 5u);
        EXPECT_EQ(std::vector<std::string>(sections.begin() + 3, sections.end() - 1), row.lines);
        EXPECT_EQ(sections.back(), "PDOMapping=0\nObjFlags=0");
    }
}

TEST_F(EdsFileTest, BracketsInTheHeaderAreRefusedBeforeTheCheck) {
    setObjects({Obj("1000h", "00h").standard("32"), Obj("1000h", "00h").standard("32")});
    const EdsFile eds = generateEdsFile(m_profile, context(), "<b>");
    EXPECT_EQ(eds.status, GenerationStatus::Refused);
    EXPECT_TRUE(eds.text.empty());
    ASSERT_EQ(m_port.asked().size(), 1u);
    EXPECT_EQ(m_port.asked()[0].caption, w("Ошибка"));
    EXPECT_EQ(m_port.asked()[0].icon, app::MessageIcon::Question);
    EXPECT_EQ(m_port.asked()[0].text, w("В шапке EDS-файла есть кавычки <>. Это может привести к неправильному "
                                        "сохранению заголовка в XML-файл. Удалите символы < и > из шапки."));
}

TEST_F(EdsFileTest, FailedCheckWritesNothing) {
    setObjects({Obj("1000h", "00h").standard("32"), Obj("1000h", "00h").standard("32")});
    EXPECT_EQ(generateEdsFile(m_profile, context(), "").status, GenerationStatus::Refused);
}

TEST_F(EdsFileTest, ProgressRunsToOneHundred) {
    setObjects({Obj("1000h", "00h").standard("32"), Obj("1001h", "00h").standard("8"), Obj("1002h", "00h").standard("8")});
    std::vector<int> reported;
    generateEdsFile(m_profile, context(), "", [&](int percent) { reported.push_back(percent); });
    EXPECT_EQ(reported, (std::vector<int>{0, 33, 66, 100}));
}

TEST_F(EdsFileTest, FileBesideTheProfile) {
    m_profile.path = "/data/profiles/drive.v2.xml";
    EXPECT_EQ(edsFilePath(m_profile), "/data/profiles/drive.v2.eds");
}

}  // namespace
}  // namespace tabrin::generators
