// Number and Figure translation (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::translateNumber(std::string text) { (void)text; return {}; }

std::string ChineseSentence::translateFigure(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
