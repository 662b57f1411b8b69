// One text of the text base: the short text and the long Russian and English texts of a number.
#pragma once

#include <string>

#include "xml/operationresult.h"
#include "xml/xmlparser.h"

namespace tabrin::bases {

/// Every field is Windows-1251 text as the file holds it; numbers stay decimal texts.
struct TextBaseElement {
    std::string id;      // names the XML element when it is a plain decimal number
    std::string textid;  // the number dictionary objects refer to
    std::string text;    // short text, at most 20 characters
    std::string sets;    // bound enumeration, "0" for none
    std::string trus;
    std::string teng;
    std::string author;

    bool hasNoTexts() const { return text.empty() && trus.empty() && teng.empty(); }

    /// Fills the fields from an element's attributes (missing ones give empty fields).
    xml::TOperationResult readFromXml(const xml::XMLNode& node);
    /// Adds the element `text_<id>` (see `elementName`) under `parent`; an element without texts is
    /// bound to no enumeration.
    xml::TOperationResult writeToXml(xml::XMLNode parent);

    bool operator==(const TextBaseElement&) const = default;
};

}  // namespace tabrin::bases
