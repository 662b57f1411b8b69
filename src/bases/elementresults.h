// The outcomes shared by the elements of both bases.
#pragma once

#include "model/operationresult.h"

namespace tabrin::bases {

model::TOperationResult noXmlNodeResult();
model::TOperationResult invalidObjectResult();

}  // namespace tabrin::bases
