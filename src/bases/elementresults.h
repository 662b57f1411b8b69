// The outcomes shared by the elements of both bases.
#pragma once

#include "xml/operationresult.h"

namespace tabrin::bases {

xml::TOperationResult noXmlNodeResult();

}  // namespace tabrin::bases
