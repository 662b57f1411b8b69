// The vendor token of a profile: the questions when a profile made with another text base is
// opened, and the object 2600h.01h brought in line with the program's token.
#include "model/vendortoken.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/formattext.h"
#include "app/messageport.h"
#include "app/translator.h"
#include "bases/textbase.h"
#include "model/numbertext.h"
#include "model/profile.h"

namespace tabrin::model {
namespace {

constexpr std::string_view kOtherToken =
    "Открываемый профиль создан в приложении Tabrin с другой базой текстов, имеющей ключ производителя %s "
    "(объект 2600.01).\r\nВаша же версия Tabrin настроена на ключ производителя %s.\r\nОткрывать профиль "
    "настоятельно не рекомендуется!\r\nЗначение ключа производителя в профиле будет заменено на %s!\r\nОткрыть?";
constexpr std::string_view kProfileWithoutToken =
    "Открываемый профиль создан в приложении Tabrin с другой базой текстов, не имеющей ключа производителя.\r\n"
    "Открывать профиль настоятельно не рекомендуется!\r\nВ профиле будет создан объект 2600.01 с ключом "
    "производителя %s!\r\nОткрыть?";
constexpr std::string_view kProgramWithoutToken =
    "Открываемый профиль создан в приложении Tabrin с другой базой текстов, имеющей ключ производителя %s "
    "(объект 2600.01).\r\nОткрывать профиль настоятельно не рекомендуется!\r\nЗначение ключа производителя в "
    "профиле будет обнулено!\r\nОткрыть?";
constexpr std::string_view kCheckFirmware = "Проверьте, что в вашем ПО присваивается значение:\r\n";

constexpr std::string_view kTokenIndex = "2600h";
constexpr std::string_view kRootSubindex = "00h";
constexpr std::string_view kTokenSubindex = "01h";
constexpr std::string_view kRootName = "Vendor Specific";
constexpr std::string_view kTokenName = "Vendor Token";
constexpr std::string_view kRootDescription = "Служебная информация производителя";
constexpr std::string_view kTokenDescription = "Ключ производителя - берётся из настроек 'Tabrin'";
constexpr std::string_view kTokenVariable = "VendorToken";
constexpr std::string_view kGroup = "2";
// The short text of the vendor's identity, the nearest text when no text of its own can be had.
constexpr std::string_view kFallbackShortText = "VendID";

std::string upperCase(std::string_view token) {
    std::string upper(token);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// A value that is no number differs from every other, so that it gets replaced.
bool sameNumber(std::string_view a, std::string_view b) {
    const std::optional<std::int64_t> first = toIntegerAutoBase(a);
    const std::optional<std::int64_t> second = toIntegerAutoBase(b);
    return first && second && *first == *second;
}

DictObject* findInView(const Profile& profile, std::string_view subindex) {
    const auto& view = profile.view();
    const auto found = std::find_if(view.begin(), view.end(), [&](const DictObject* object) {
        return object->index == kTokenIndex && object->subindex == subindex;
    });
    return found == view.end() ? nullptr : *found;
}

const bases::TextBaseElement* withShortText(const bases::TextBase& texts, std::string_view shortText) {
    const auto& elements = texts.elements();
    const auto found = std::find_if(elements.begin(), elements.end(),
                                    [&](const bases::TextBaseElement& element) { return element.text == shortText; });
    return found == elements.end() ? nullptr : &*found;
}

// Finds or makes the text named `name` for a created object.
class TextFinder {
public:
    TextFinder(bases::TextBase& texts, std::string_view user) : m_texts(texts), m_user(user) {}

    /// The number of the text whose short text is `name`, else of a text added with that name,
    /// else of the vendor's identity text, else of the first text; empty for an empty base.
    std::string textNumber(std::string_view name) {
        if (const bases::TextBaseElement* own = withShortText(m_texts, name)) return own->textid;
        if (const int added = m_texts.addText(true, m_user); added >= 0) {
            bases::TextBaseElement& element = m_texts.elements()[static_cast<std::size_t>(added)];
            element.text = element.trus = element.teng = std::string(name);
            m_texts.setModified(true);  // a reused empty text is changed, not added
            m_addedText = true;
            return element.textid;
        }
        if (const bases::TextBaseElement* identity = withShortText(m_texts, kFallbackShortText)) return identity->textid;
        return m_texts.elements().empty() ? std::string() : m_texts.elements().front().textid;
    }

    bool addedText() const { return m_addedText; }

private:
    bases::TextBase& m_texts;
    std::string_view m_user;
    bool m_addedText = false;
};

DictObject vendorObject(std::string_view subindex, std::string_view name, std::string textID,
                        std::string description) {
    DictObject object;
    object.index = kTokenIndex;
    object.subindex = subindex;
    object.name = name;
    object.text = name;
    object.textID = std::move(textID);
    object.description = std::move(description);
    object.group = kGroup;
    return object;
}

DictObject rootObject(TextFinder& textFinder, app::Translator& translator) {
    DictObject root = vendorObject(kRootSubindex, kRootName, textFinder.textNumber(kRootName),
                                   translator.tr(kRootDescription));
    root.defaultValue = "0";
    root.DataType = accessText(Access::Viewable);
    root.Type = formatTypeText(FormatType::Root);
    root.format = std::to_string(formatWord(root));
    return root;
}

DictObject tokenObject(std::string_view value, TextFinder& textFinder, app::Translator& translator) {
    DictObject token = vendorObject(kTokenSubindex, kTokenName, textFinder.textNumber(kTokenName),
                                    translator.tr(kTokenDescription));
    token.defaultValue = value;
    token.addr = kTokenVariable;
    token.DataType = accessText(Access::Editable);
    token.Type = formatTypeText(FormatType::StandartNum);
    token.Signed = "false";
    token.Size = "32";
    token.format = std::to_string(formatWord(token));
    return token;
}

}  // namespace

bool checkProfileOrigin(std::string_view fileName, std::string_view programToken, std::string_view profileToken,
                        app::MessagePort& port, app::Translator& translator) {
    const std::string program = upperCase(programToken);
    const std::string profile = upperCase(profileToken);
    if (program == profile) return true;
    std::string text;
    if (program.empty()) text = app::formatText(translator.tr(kProgramWithoutToken), {profileToken});
    else if (profile.empty()) text = app::formatText(translator.tr(kProfileWithoutToken), {program});
    else text = app::formatText(translator.tr(kOtherToken), {profile, program, program});
    const app::Message question{std::string(fileName), text, app::MessageButtons::YesNo, app::MessageIcon::Warning};
    return port.ask(question) == app::MessageAnswer::Yes;
}

VendorTokenChanges alignVendorToken(Profile& profile, std::string_view programToken, bases::TextBase& texts,
                                    std::string_view user, app::MessagePort& port, app::Translator& translator) {
    VendorTokenChanges changes;
    if (profile.configurations.empty()) return changes;
    const std::string value = programToken.empty() ? std::string("0") : "0x" + std::string(programToken);

    if (DictObject* token = findInView(profile, kTokenSubindex)) {
        if (sameNumber(token->defaultValue, value)) return changes;
        token->defaultValue = value;
        changes.profileModified = true;
        port.ask({std::string(), translator.tr(kCheckFirmware) + token->addr + " = " + value,
                  app::MessageButtons::Ok, app::MessageIcon::Warning});
        return changes;
    }
    if (programToken.empty()) return changes;

    TextFinder textFinder(texts, user);
    if (!findInView(profile, kRootSubindex)) profile.addObject(rootObject(textFinder, translator));
    profile.addObject(tokenObject(value, textFinder, translator));
    changes.profileModified = true;
    changes.textBaseModified = textFinder.addedText();
    return changes;
}

}  // namespace tabrin::model
