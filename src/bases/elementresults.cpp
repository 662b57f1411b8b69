// The outcomes shared by the elements of both bases.
#include "bases/elementresults.h"

namespace tabrin::bases {

xml::TOperationResult noXmlNodeResult() { return {1, u"Нулевой указатель на XML-узел"}; }

}  // namespace tabrin::bases
