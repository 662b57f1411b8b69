// The check before generation: each fault and its question, the answers, silent mode and group warnings.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "bases/setbase.h"
#include "model/profile.h"
#include "model/profilecheck.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::model {
namespace {

using app::MessageAnswer;
using test::w;

constexpr const char* kU16Format = "2560";  // StandartNum, 16 bits, unsigned
constexpr const char* kBitFormat = "8320";  // Bit, 8 bits from bit 0

DictObject object(const std::string& index, const std::string& subindex, const std::string& format,
                  const std::string& type) {
    DictObject o;
    o.index = index;
    o.subindex = subindex;
    o.format = format;
    o.Type = type;
    o.group = "0";
    o.defaultValue = "1";
    return o;
}

DictObject variable(const std::string& index, const std::string& subindex = "00h") {
    return object(index, subindex, kU16Format, "StandartNum");
}

DictObject root(const std::string& index, const std::string& count) { return object(index, "00h", count, "Root"); }

DictObject bitField(const std::string& index, const std::string& subindex, const std::string& max) {
    DictObject o = object(index, subindex, kBitFormat, "Bit");
    o.max = max;
    return o;
}

// A scale-coefficient index whose subindex `last` is a bit field with a value beyond a byte.
std::vector<DictObject> scaleObjects(const std::string& index, int last) {
    std::vector<DictObject> objects{root(index, std::to_string(last))};
    for (int sub = 1; sub < last; ++sub) objects.push_back(variable(index, "0" + std::to_string(sub) + "h"));
    objects.push_back(bitField(index, "0" + std::to_string(last) + "h", "300"));
    return objects;
}

// What a question showed, in UTF-8: "caption: text".
std::vector<std::string> shown(const std::vector<app::Message>& asked) {
    std::vector<std::string> texts;
    for (const app::Message& message : asked) {
        EXPECT_EQ(message.buttons, app::MessageButtons::YesNo);
        EXPECT_EQ(message.icon, app::MessageIcon::Question);
        texts.push_back(cp1251::toUtf8(message.caption) + ": " + cp1251::toUtf8(message.text));
    }
    return texts;
}

std::string error(const std::string& text) { return "Ошибка: " + text + " Продолжить проверку?"; }

std::string groupWarning(const std::string& group, int number) {
    return "Предупреждение: Неправильный номер группы: '" + group +
           "'. Не является числом или выходит за диапазон длины перечисления групп. Это может привести к "
           "некорректной работе софта со сгенерированным словрем. Попробуйте найти этот объект в редакторе "
           "словаря. Его номер: " +
           std::to_string(number) +
           " (см. самый левый столбец таблицы). Как бы то ни было, словарь с такими некритичными ошибками можно "
           "сгенерировать. Выводить подобные предупреждения, если они появятся в ходе текущей проверки снова?";
}

const std::string kDuplicate2000h01h = error("В профиле сразу два элемента имеют индексацию 2000h.01h.");
const std::string kGap2000h = error(
    "В индексе 2000h под-индексы расположены непоследовательно. Проверьте, все ли требуемые под-индексы "
    "добавлены. Если да, то перенумеруйте их последовательно.");

class ProfileCheckTest : public ::testing::Test {
protected:
    static constexpr int kGroupCount = 20;

    ProfileCheckTest() : m_profile(m_translator, app::Language::Russian) {
        m_profile.settings.group_set = "20";
        bases::SetBaseElement groups;
        groups.id = "20";
        groups.items.resize(kGroupCount);
        m_sets.elements().push_back(groups);
    }

    void setView(std::vector<DictObject> objects) {
        m_profile.configurations = {SubProfile{{}, w("Базовый профиль"), std::move(objects)}};
        m_profile.rebuildView();
    }

    struct Outcome {
        bool passed;
        std::vector<std::string> shown;
    };

    Outcome check(std::deque<MessageAnswer> answers = {}, bool silent = false) {
        test::ScriptedMessagePort port(std::move(answers), MessageAnswer::Yes);
        const bool passed = checkProfile(m_profile, m_sets, silent, port, m_translator);
        return {passed, shown(port.asked())};
    }

    app::Translator m_translator;
    bases::SetBase m_sets;
    Profile m_profile;
};

TEST_F(ProfileCheckTest, EveryFaultIsAskedAboutAndFailsTheCheck) {
    struct Row {
        const char* name;
        std::vector<DictObject> objects;
        std::vector<std::string> expected;  // empty: the view passes
    };
    const Row rows[] = {
        {"empty view", {}, {}},
        {"well-formed dictionary",
         {root("1000h", "2"), variable("1000h", "01h"), bitField("1000h", "02h", "255"), variable("1001h")},
         {}},
        {"duplicate address, then the sequence it breaks",
         {root("2000h", "2"), variable("2000h", "01h"), variable("2000h", "01h")},
         {kDuplicate2000h01h, kGap2000h}},
        {"lower-case index, quoted as written",
         {variable("2a00h")},
         {error("В индексе: '2a00h.00h' присутствуют маленькие буквы. Это может вызвать ошибки при генерации "
                "словаря. Номер объекта: 0.")}},
        {"lower-case subindex; the address text is upper-case",
         {variable("3000h", "0ah")},
         {error("В подындексе: '3000h.0ah' присутствуют маленькие буквы. Это может вызвать ошибки при генерации "
                "словаря. Номер объекта: 0."),
          error("Индекс 3000h.0Ah не имеет корневого под-индекса. Необходимо добавить.")}},
        {"index that is no number",
         {variable("20G0h")},
         {error("Какой-то левый индекс, не выходит преобразовать его в число: '20G0'. По-идее он может быть только "
                "числом... Попробуйте найти его в редакторе словаря. Его номер: 0.")}},
        {"subindex that is no number",
         {root("2000h", "1"), variable("2000h", "zzh")},
         {error("Какой-то левый под-индекс, не выходит преобразовать его в число: 'zz'. По-идее он может быть "
                "только числом... Попробуйте найти  этот объект в редакторе словаря. Его номер: 1."),
          kGap2000h}},
        {"format that is no number",
         {object("2000h", "00h", "x", "StandartNum")},
         {error("Какой-то левый формат, не выходит преобразовать его в число: 'x'. По-идее он может быть только "
                "числом... Попробуйте найти этот объект в редакторе словаря. Его номер: 0.")}},
        {"bit field beyond a byte",
         {root("2000h", "1"), bitField("2000h", "01h", "300")},
         {error("У битового объекта 2000h.01h максимум, минимум или default выходят за диапазон 0..0xFF.")}},
        {"bit field below zero",
         {[] {
             DictObject o = bitField("2001h", "00h", "");
             o.min = "-1";
             return o;
         }()},
         {error("У битового объекта 2001h.00h максимум, минимум или default выходят за диапазон 0..0xFF.")}},
        {"bit field limits that are no numbers", {bitField("2001h", "00h", "abc")}, {}},
        {"scale coefficient 3, decimals",
         scaleObjects("2103h", 4),
         {error("У масштабирующего коэффициента 03h число знаков после запятой задано криво. Попробуйте выбрать "
                "его заново в таблице м.к.")}},
        {"scale coefficient 31, units",
         scaleObjects("211Fh", 6),
         {error("У масштабирующего коэффициента 1Fh единицы заданы криво. Попробуйте выбрать их заново в таблице "
                "м.к.")}},
        {"past the scale table the bit-field question",
         scaleObjects("2120h", 3),
         {error("У битового объекта 2120h.03h максимум, минимум или default выходят за диапазон 0..0xFF.")}},
        {"sub-index gap",
         {root("3000h", "2"), variable("3000h", "01h"), variable("3000h", "03h")},
         {error("В индексе 3000h под-индексы расположены непоследовательно. Проверьте, все ли требуемые под-индексы "
                "добавлены. Если да, то перенумеруйте их последовательно.")}},
        {"missing root",
         {variable("3001h", "01h")},
         {error("Индекс 3001h.01h не имеет корневого под-индекса. Необходимо добавить.")}},
        {"empty root", {root("3002h", "0"), variable("3003h")},
         {error("Индекс 3002h.00h является корневым, но не имеет под-индексов.")}},
        {"empty root last in the view", {variable("3001h"), root("3002h", "0")}, {}},
        {"object at 00h with sub-objects but no root format",
         {variable("3005h"), variable("3005h", "01h")},
         {error("Индекс 3005h.00h не является корневым в группе под-индексов. (Его формат не соответствует "
                "корневому элементу).")}},
        {"format word 256 is no root",
         {object("3007h", "00h", "256", "StandartNum"), variable("3007h", "01h")},
         {error("Индекс 3007h.00h не является корневым в группе под-индексов. (Его формат не соответствует "
                "корневому элементу).")}},
        {"root format off 00h",
         {root("3006h", "2"), object("3006h", "01h", "0", "Root"), variable("3006h", "02h")},
         {error("Индекс 3006h.01h по формату является корневым, но имеет подындекс, отличный от 00h.")}},
        {"index 0000h follows the starting state",
         {variable("0000h")},
         {error("В индексе 0000h под-индексы расположены непоследовательно. Проверьте, все ли требуемые под-индексы "
                "добавлены. Если да, то перенумеруйте их последовательно.")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setView(row.objects);
        const Outcome outcome = check();
        EXPECT_EQ(outcome.shown, row.expected);
        EXPECT_EQ(outcome.passed, row.expected.empty());
    }
}

TEST_F(ProfileCheckTest, NoEndsTheCheckAndYesNeverMakesItPass) {
    setView({root("2000h", "2"), variable("2000h", "01h"), variable("2000h", "01h")});
    Outcome outcome = check({MessageAnswer::No});
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.shown, std::vector<std::string>{kDuplicate2000h01h});

    outcome = check({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.shown.size(), 2u);
}

TEST_F(ProfileCheckTest, SilentModeAsksNothing) {
    setView({variable("3001h", "01h"), variable("3005h", "01h")});
    Outcome outcome = check({}, true);
    EXPECT_FALSE(outcome.passed);
    EXPECT_TRUE(outcome.shown.empty());

    DictObject badGroup = variable("1000h");
    badGroup.group = "40";
    setView({badGroup});
    outcome = check({}, true);
    EXPECT_TRUE(outcome.passed);
    EXPECT_TRUE(outcome.shown.empty());
}

TEST_F(ProfileCheckTest, GroupNumbersOnlyWarn) {
    struct Row {
        const char* name;
        std::string groupSet;
        std::vector<std::string> groups;  // of objects 1000h, 1001h, ...
        std::deque<MessageAnswer> answers;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"beyond the enumeration", "20", {"40"}, {}, {groupWarning("40", 0)}},
        {"last item and one past it", " 20 ", {"19", "20"}, {}, {groupWarning("20", 1)}},
        {"negative and no number", "20", {"-1", "abc"}, {}, {groupWarning("-1", 0), groupWarning("abc", 1)}},
        {"No silences the rest of the run", "20", {"40", "41"}, {MessageAnswer::No}, {groupWarning("40", 0)}},
        {"no group enumeration: every group warns", "99", {"0", "1"}, {}, {groupWarning("0", 0), groupWarning("1", 1)}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m_profile.settings.group_set = row.groupSet;
        std::vector<DictObject> objects;
        for (std::size_t i = 0; i < row.groups.size(); ++i) {
            objects.push_back(variable("100" + std::to_string(i) + "h"));
            objects.back().group = row.groups[i];
        }
        setView(objects);
        const Outcome outcome = check(row.answers);
        EXPECT_TRUE(outcome.passed);
        EXPECT_EQ(outcome.shown, row.expected);
    }
}

TEST_F(ProfileCheckTest, WarningsLeaveFaultsFailing) {
    DictObject badGroup = variable("3001h", "01h");
    badGroup.group = "40";
    setView({badGroup});
    const Outcome outcome = check({MessageAnswer::No});
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(outcome.shown, (std::vector<std::string>{
                                 groupWarning("40", 0),
                                 error("Индекс 3001h.01h не имеет корневого под-индекса. Необходимо добавить.")}));
}

TEST_F(ProfileCheckTest, TranslatedPatternGetsTheAddress) {
    const test::TempFolder folder;
    const auto entry = [](std::string_view russianUtf8, std::string_view english) {
        return "<_" + std::to_string(app::textHash(w(russianUtf8))) + " RUS=\"" + std::string(russianUtf8) +
               "\" ENG=\"" + std::string(english) + "\" />\n";
    };
    test::writeFile(folder.path() / "lang_dict.xml",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + entry("Ошибка", "Error") +
                        entry("В профиле сразу два элемента имеют индексацию %s. Продолжить проверку?",
                              "Two objects at %s. Go on?"));
    m_translator.loadDictionary(folder.path() / "lang_dict.xml", 1);
    setView({root("2000h", "2"), variable("2000h", "01h"), variable("2000h", "01h")});
    const Outcome outcome = check({MessageAnswer::No});
    EXPECT_EQ(outcome.shown, std::vector<std::string>{"Error: Two objects at 2000h.01h. Go on?"});
}

}  // namespace
}  // namespace tabrin::model
