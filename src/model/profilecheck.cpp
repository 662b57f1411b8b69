// The check of a profile's current view before generation: duplicate and malformed addresses,
// format words, bit-field ranges, the root and sub-index structure and group numbers.
#include "model/profilecheck.h"

#include <initializer_list>
#include <iterator>
#include <optional>

#include "app/formattext.h"
#include "app/integertext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::model {
namespace {

constexpr std::string_view kErrorCaption = "Ошибка";
constexpr std::string_view kWarningCaption = "Предупреждение";

constexpr std::string_view kDuplicateAddress =
    "В профиле сразу два элемента имеют индексацию %s. Продолжить проверку?";
constexpr std::string_view kIndexNotNumber =
    "Какой-то левый индекс, не выходит преобразовать его в число: '%s'. По-идее он может быть только числом... "
    "Попробуйте найти его в редакторе словаря. Его номер: %d. Продолжить проверку?";
constexpr std::string_view kIndexLowerCase =
    "В индексе: '%s.%s' присутствуют маленькие буквы. Это может вызвать ошибки при генерации словаря. "
    "Номер объекта: %d. Продолжить проверку?";
constexpr std::string_view kSubindexNotNumber =
    "Какой-то левый под-индекс, не выходит преобразовать его в число: '%s'. По-идее он может быть только "
    "числом... Попробуйте найти  этот объект в редакторе словаря. Его номер: %d. Продолжить проверку?";
constexpr std::string_view kSubindexLowerCase =
    "В подындексе: '%s.%s' присутствуют маленькие буквы. Это может вызвать ошибки при генерации словаря. "
    "Номер объекта: %d. Продолжить проверку?";
constexpr std::string_view kFormatNotNumber =
    "Какой-то левый формат, не выходит преобразовать его в число: '%s'. По-идее он может быть только числом... "
    "Попробуйте найти этот объект в редакторе словаря. Его номер: %d. Продолжить проверку?";
constexpr std::string_view kBitOutsideByte =
    "У битового объекта %s максимум, минимум или default выходят за диапазон 0..0xFF. Продолжить проверку?";
// Subindexes 03h to 06h of a scale-coefficient object hold the parts the scale page chooses.
constexpr int kFirstScalePartSubindex = 3;
constexpr std::string_view kScalePartOutsideByte[] = {
    "У масштабирующего коэффициента %s Q-формат задан криво. Попробуйте выбрать его заново в таблице м.к. "
    "Продолжить проверку?",
    "У масштабирующего коэффициента %s число знаков после запятой задано криво. Попробуйте выбрать его заново "
    "в таблице м.к. Продолжить проверку?",
    "У масштабирующего коэффициента %s префикс задан криво. Попробуйте выбрать его заново в таблице м.к. "
    "Продолжить проверку?",
    "У масштабирующего коэффициента %s единицы заданы криво. Попробуйте выбрать их заново в таблице м.к. "
    "Продолжить проверку?",
};
constexpr std::string_view kInvalidGroup =
    "Неправильный номер группы: '%s'. Не является числом или выходит за диапазон длины перечисления групп. "
    "Это может привести к некорректной работе софта со сгенерированным словрем. Попробуйте найти этот объект "
    "в редакторе словаря. Его номер: %d (см. самый левый столбец таблицы). Как бы то ни было, словарь с такими "
    "некритичными ошибками можно сгенерировать. Выводить подобные предупреждения, если они появятся в ходе "
    "текущей проверки снова?";
constexpr std::string_view kSubindexGap =
    "В индексе %s под-индексы расположены непоследовательно. Проверьте, все ли требуемые под-индексы добавлены. "
    "Если да, то перенумеруйте их последовательно. Продолжить проверку?";
constexpr std::string_view kMissingRoot =
    "Индекс %s не имеет корневого под-индекса. Необходимо добавить. Продолжить проверку?";
constexpr std::string_view kLeadIsNoRoot =
    "Индекс %s не является корневым в группе под-индексов. (Его формат не соответствует корневому элементу). "
    "Продолжить проверку?";
constexpr std::string_view kRootFormatOffRoot =
    "Индекс %s по формату является корневым, но имеет подындекс, отличный от 00h. Продолжить проверку?";
constexpr std::string_view kEmptyRoot = "Индекс %s является корневым, но не имеет под-индексов. Продолжить проверку?";

// A format word below this counts the sub-objects of a root.
constexpr int kRootFormatLimit = 256;
constexpr int kScaleCoefficientCount = 32;

// An index or subindex text read as a number: its first "h" removed, the rest hexadecimal.
struct AddressNumber {
    std::string digits;  // the text without its "h", as messages quote it
    int value;           // -1 when the digits are no number
};

AddressNumber readAddress(std::string_view text) {
    AddressNumber number{std::string(text), -1};
    if (const std::size_t h = number.digits.find('h'); h != std::string::npos) number.digits.erase(h, 1);
    // The value is a 32-bit integer: all ones reads as -1, like a text that does not convert.
    if (const std::optional<std::int64_t> value = toIntegerAutoBase("0x" + number.digits)) {
        number.value = static_cast<int>(static_cast<std::uint32_t>(*value));
    }
    return number;
}

bool holdsLowerCaseHex(std::string_view text) { return text.find_first_of("abcdef") != std::string_view::npos; }

std::string hexText(int number, int digits) { return numberToHexText(static_cast<std::uint32_t>(number), digits); }

std::string addressText(int index, int subindex) { return hexText(index, 4) + "." + hexText(subindex, 2); }

// A text that is no integer cannot overflow the byte.
bool outsideByte(std::string_view text) {
    const std::optional<std::int64_t> value = toIntegerAutoBase(text);
    return value && (*value < 0 || *value > 0xFF);
}

// What the structure tests remember of the object before the current one.
struct PreviousObject {
    int index = 0;
    int subindex = 0;
    int format = 1;
};

class ViewCheck {
public:
    ViewCheck(const bases::SetBaseElement* groups, bool silent, app::MessagePort& port, app::Translator& translator)
        : m_groups(groups), m_silent(silent), m_showGroupWarnings(!silent), m_port(port), m_translator(translator) {}

    bool run(const std::vector<DictObject*>& view);

private:
    bool checkObject(const DictObject& object, bool first);
    bool checkAddressPart(const DictObject& object, const AddressNumber& part, std::string_view text,
                          std::string_view notNumber, std::string_view lowerCase);
    bool checkBitRange(const DictObject& object, int index, int subindex);
    void checkGroup(const DictObject& object);
    bool checkStructure(int index, int subindex, int format, bool first);

    /// Records a fault; false when the check ends here.
    bool fault(std::string_view pattern, std::initializer_list<std::string_view> arguments);
    app::MessageAnswer ask(std::string_view caption, std::string_view pattern,
                           std::initializer_list<std::string_view> arguments);

    const bases::SetBaseElement* m_groups;  // null when the base has no group enumeration
    bool m_silent;
    bool m_showGroupWarnings;
    bool m_passed = true;
    PreviousObject m_previous;
    app::MessagePort& m_port;
    app::Translator& m_translator;
};

bool ViewCheck::run(const std::vector<DictObject*>& view) {
    // The view is sorted, so equal addresses are neighbours.
    for (std::size_t i = 0; i + 1 < view.size(); ++i) {
        const DictObject& object = *view[i];
        const DictObject& next = *view[i + 1];
        if (object.index + object.subindex == next.index + next.subindex &&
            !fault(kDuplicateAddress, {object.address()})) {
            return false;
        }
    }
    for (std::size_t i = 0; i < view.size(); ++i) {
        if (!checkObject(*view[i], i == 0)) return false;
    }
    return m_passed;
}

bool ViewCheck::checkObject(const DictObject& object, bool first) {
    const AddressNumber index = readAddress(object.index);
    const AddressNumber subindex = readAddress(object.subindex);
    const int format = app::toInteger(object.format).value_or(-1);
    if (!checkAddressPart(object, index, object.index, kIndexNotNumber, kIndexLowerCase)) return false;
    if (!checkAddressPart(object, subindex, object.subindex, kSubindexNotNumber, kSubindexLowerCase)) return false;
    if (format == -1 && !fault(kFormatNotNumber, {object.format, std::to_string(object.number)})) return false;
    if (!checkBitRange(object, index.value, subindex.value)) return false;
    checkGroup(object);
    return checkStructure(index.value, subindex.value, format, first);
}

bool ViewCheck::checkAddressPart(const DictObject& object, const AddressNumber& part, std::string_view text,
                                 std::string_view notNumber, std::string_view lowerCase) {
    const std::string number = std::to_string(object.number);
    if (part.value == -1) return fault(notNumber, {part.digits, number});
    if (holdsLowerCaseHex(text)) return fault(lowerCase, {object.index, object.subindex, number});
    return true;
}

bool ViewCheck::checkBitRange(const DictObject& object, int index, int subindex) {
    if (object.formatType() != FormatType::Bit) return true;
    if (!outsideByte(object.defaultValue) && !outsideByte(object.min) && !outsideByte(object.max)) return true;
    const int coefficient = index - static_cast<int>(kScaleObjectsIndex);
    const int part = subindex - kFirstScalePartSubindex;
    if (coefficient >= 0 && coefficient < kScaleCoefficientCount && part >= 0 &&
        part < static_cast<int>(std::size(kScalePartOutsideByte))) {
        return fault(kScalePartOutsideByte[part], {hexText(coefficient, 2)});
    }
    return fault(kBitOutsideByte, {addressText(index, subindex)});
}

void ViewCheck::checkGroup(const DictObject& object) {
    if (!m_showGroupWarnings) return;
    const std::optional<int> group = app::toInteger(object.group);
    if (m_groups && group && *group >= 0 && *group < static_cast<int>(m_groups->items.size())) return;
    if (ask(kWarningCaption, kInvalidGroup, {object.group, std::to_string(object.number)}) == app::MessageAnswer::No) {
        m_showGroupWarnings = false;
    }
}

bool ViewCheck::checkStructure(int index, int subindex, int format, bool first) {
    const PreviousObject previous = m_previous;
    m_previous = {index, subindex, format};
    if (previous.index == index) {
        if (previous.subindex + 1 != subindex && !fault(kSubindexGap, {hexText(index, 4)})) return false;
        if (previous.subindex == 0 && previous.format >= kRootFormatLimit &&
            !fault(kLeadIsNoRoot, {addressText(previous.index, previous.subindex)})) {
            return false;
        }
        if (subindex != 0 && format < kRootFormatLimit && !fault(kRootFormatOffRoot, {addressText(index, subindex)})) {
            return false;
        }
        return true;
    }
    if (subindex != 0 && !fault(kMissingRoot, {addressText(index, subindex)})) return false;
    // The last root of the view is never tested here: this runs when the next index begins.
    if (!first && previous.format < kRootFormatLimit &&
        !fault(kEmptyRoot, {addressText(previous.index, previous.subindex)})) {
        return false;
    }
    return true;
}

bool ViewCheck::fault(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    m_passed = false;
    if (m_silent) return false;
    return ask(kErrorCaption, pattern, arguments) == app::MessageAnswer::Yes;
}

app::MessageAnswer ViewCheck::ask(std::string_view caption, std::string_view pattern,
                                  std::initializer_list<std::string_view> arguments) {
    return m_port.ask({m_translator.tr(caption), app::formatText(m_translator.tr(pattern), arguments),
                       app::MessageButtons::YesNo, app::MessageIcon::Question});
}

}  // namespace

bool checkProfile(const Profile& profile, const bases::SetBase& sets, bool silent, app::MessagePort& port,
                  app::Translator& translator) {
    ViewCheck check(sets.findSet(profile.settings.group_set), silent, port, translator);
    return check.run(profile.view());
}

std::string groupWarningCaption(app::Translator& translator) {
    return translator.tr(kWarningCaption);
}

}  // namespace tabrin::model
