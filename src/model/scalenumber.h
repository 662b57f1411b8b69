// One scale coefficient of a profile's scale table, every field as the file holds it.
#pragma once

#include <string>

#include "xml/operationresult.h"
#include "xml/xmlparser.h"

namespace tabrin::model {

// Objects are read from and written to nodes of the XML layer.
using xml::TOperationResult;
using xml::XMLNode;

struct ScaleNumber {
    TOperationResult outcome;
    std::string name;
    std::string units;           // position of an item of the unit enumeration
    std::string prefix;          // position of an item of the unit-prefix enumeration
    std::string scaleQ;          // position in the Q-format list "16.0", "15.1", …, "0.16"
    std::string num_of_float;    // position in "x", "x.x", "x.xx", "x.xxx"
    std::string possible_value;  // the coefficient's value as decimal text

    TOperationResult readFromXml(const XMLNode& node);
    /// Adds the element `elementName` below `parent`.
    TOperationResult writeToXml(XMLNode parent, std::string_view elementName);

    bool operator==(const ScaleNumber&) const = default;
};

}  // namespace tabrin::model
