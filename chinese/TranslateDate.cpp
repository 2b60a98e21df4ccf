// Date translation (not built yet).
#include "chinese/ChineseSentence.h"

namespace vestrilo {

std::string ChineseSentence::translateDate(std::string text) { (void)text; return {}; }

}  // namespace vestrilo
