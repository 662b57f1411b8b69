// One enumeration of the enumeration base and its items, each with four texts.
#pragma once

#include <string>
#include <vector>

#include "app/language.h"
#include "xml/operationresult.h"
#include "xml/xmlparser.h"

namespace tabrin::bases {

/// One item of an enumeration. Kinds: 0 (and 2, and any other) long Russian, 1 long English,
/// 3 short Russian, 4 short English.
struct SetTextItem {
    std::string longRus;
    std::string longEng;
    std::string shortRus;
    std::string shortEng;

    /// The long Russian text alone, or the four texts joined with "@".
    std::string packed() const;
    /// Splits at every "@": the first four pieces fill the texts in order, further ones are dropped.
    static SetTextItem unpack(std::string_view packedText);
    /// Packs the four texts and unpacks the result, so an "@" inside a text splits it.
    static SetTextItem make(std::string_view longRus, std::string_view longEng, std::string_view shortRus,
                            std::string_view shortEng);

    const std::string& ofKind(int kind) const;
    /// The first non-empty text in the order that suits the language and the length wanted.
    std::string chosenText(bool shortText, app::Language language) const;

    bool operator==(const SetTextItem&) const = default;
};

struct SetBaseElement {
    std::string id;  // the enumeration number; names the XML element when it is a plain decimal number
    std::vector<SetTextItem> items;
    std::string joinedText;  // the packed items joined with LF, for filtering
    std::string author;

    void rebuildJoinedText();

    xml::TOperationResult readFromXml(const xml::XMLNode& node);
    /// Adds the element `set_<id>` (see `elementName`) with its `items` child under `parent`.
    xml::TOperationResult writeToXml(xml::XMLNode parent) const;

    /// "12: Выкл/Вкл": the number and the long item texts.
    std::string displayName(app::Language language) const;
    /// The packed form of an item; empty when there is no such item.
    std::string packedItem(int position) const;
    /// The text of an item by language and length; empty when there is no such item.
    std::string itemText(int position, bool shortText, app::Language language) const;
    /// The texts of a kind of every item, joined with LF; with `fallBack`, an item without that
    /// text gives its long text by language.
    std::string itemTextsOfKind(int kind, bool fallBack, app::Language language) const;

    bool operator==(const SetBaseElement&) const = default;
};

}  // namespace tabrin::bases
